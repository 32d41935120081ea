// Draws the pictures of the information windows and writes them into a folder:
//
//   question.ico      three 32 x 32 images: 16 colours (green disc, black rim, white "?"),
//                     8 colours (white disc, black rim, red "?"), 2 colours (black on white)
//   exclamation.ico   the same layout with a yellow disc and a black "!"
//   tick.ico          a black tick, 32 x 32 and 16 x 16, 16 colours
//   bar_chart.ico     the basis window's icon: blue columns over grey rules, 32 and 16
//   attention.ico     32 x 32, 16 colours: yellow disc, black "!"
//   reference_page.png  1129 x 824, 24-bit: a textbook page that derives the outflow formula
//
// The files in this folder were made by it; the build uses them as they are, so nobody needs
// to run this to build the program. After changing a drawing, regenerate with
//   cmake --build <build folder> --target info_pictures
// and commit the pictures together with the change. Text is set in DejaVu (fonts-dejavu-core).
//
// Icons are drawn without antialiasing in exact palette colours and then written as classic
// palette icons (BITMAPINFOHEADER, XOR bitmap and AND mask), which Qt's ico reader and every
// other icon reader understand.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtEndian>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------
// Palettes

// The sixteen colours of the classic VGA palette, in the order icon editors use.
const QVector<QRgb> kPalette16 = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// Eight colours: the corners of the colour cube.
const QVector<QRgb> kPalette8 = {qRgb(0, 0, 0),     qRgb(255, 0, 0),   qRgb(0, 255, 0),
                                 qRgb(255, 255, 0), qRgb(0, 0, 255),   qRgb(255, 0, 255),
                                 qRgb(0, 255, 255), qRgb(255, 255, 255)};

const QVector<QRgb> kPalette2 = {qRgb(0, 0, 0), qRgb(255, 255, 255)};

// ---------------------------------------------------------------------------------------
// Icon files

struct IkonBillede {
  QImage billede;          // ARGB32; alpha 0 = transparent, otherwise a palette colour
  QVector<QRgb> palette;   // 2, 8 or 16 colours
};

void Put16(QByteArray& b, quint16 v) {
  char c[2];
  qToLittleEndian(v, c);
  b.append(c, 2);
}
void Put32(QByteArray& b, quint32 v) {
  char c[4];
  qToLittleEndian(v, c);
  b.append(c, 4);
}

int PaletteIndeks(const QVector<QRgb>& palette, QRgb farve, const char* navn) {
  for (int i = 0; i < palette.size(); ++i) {
    if ((palette[i] & 0xFFFFFF) == (farve & 0xFFFFFF)) return i;
  }
  std::fprintf(stderr, "%s: colour %06x is not in the palette\n", navn, farve & 0xFFFFFF);
  std::exit(1);
}

// One image as stored in an icon file: header, colour table, XOR bitmap, AND mask.
QByteArray IkonData(const IkonBillede& ik, const char* navn) {
  const QImage& img = ik.billede;
  const int w = img.width();
  const int h = img.height();
  const int bits = ik.palette.size() == 2 ? 1 : 4;
  const int xorStride = ((w * bits + 31) / 32) * 4;
  const int andStride = ((w + 31) / 32) * 4;

  QByteArray d;
  Put32(d, 40);
  Put32(d, static_cast<quint32>(w));
  Put32(d, static_cast<quint32>(2 * h));  // XOR bitmap and mask together
  Put16(d, 1);
  Put16(d, static_cast<quint16>(bits));
  Put32(d, 0);
  Put32(d, static_cast<quint32>((xorStride + andStride) * h));
  Put32(d, 0);
  Put32(d, 0);
  Put32(d, static_cast<quint32>(ik.palette.size()));
  Put32(d, 0);
  for (QRgb c : ik.palette) {
    d.append(static_cast<char>(qBlue(c)));
    d.append(static_cast<char>(qGreen(c)));
    d.append(static_cast<char>(qRed(c)));
    d.append('\0');
  }
  for (int y = h - 1; y >= 0; --y) {  // bottom-up
    QByteArray row(xorStride, '\0');
    for (int x = 0; x < w; ++x) {
      const QRgb p = img.pixel(x, y);
      const int idx = qAlpha(p) == 0 ? 0 : PaletteIndeks(ik.palette, p, navn);
      if (bits == 4) {
        row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? idx << 4 : idx));
      } else {
        row[x / 8] = static_cast<char>(row[x / 8] | (idx << (7 - x % 8)));
      }
    }
    d.append(row);
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(andStride, '\0');
    for (int x = 0; x < w; ++x) {
      if (qAlpha(img.pixel(x, y)) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (1 << (7 - x % 8)));
    }
    d.append(row);
  }
  return d;
}

void SkrivIkon(const QString& sti, const std::vector<IkonBillede>& billeder) {
  const QByteArray navn = sti.toLocal8Bit();
  std::vector<QByteArray> data;
  for (const IkonBillede& b : billeder) data.push_back(IkonData(b, navn.constData()));

  QByteArray f;
  Put16(f, 0);
  Put16(f, 1);
  Put16(f, static_cast<quint16>(billeder.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(billeder.size());
  for (size_t i = 0; i < billeder.size(); ++i) {
    const IkonBillede& b = billeder[i];
    f.append(static_cast<char>(b.billede.width()));
    f.append(static_cast<char>(b.billede.height()));
    f.append(static_cast<char>(b.palette.size()));  // number of colours
    f.append('\0');
    Put16(f, 1);
    Put16(f, static_cast<quint16>(b.palette.size() == 2 ? 1 : 4));
    Put32(f, static_cast<quint32>(data[i].size()));
    Put32(f, offset);
    offset += static_cast<quint32>(data[i].size());
  }
  for (const QByteArray& d : data) f.append(d);

  QFile out(sti);
  if (!out.open(QIODevice::WriteOnly) || out.write(f) != f.size()) {
    std::fprintf(stderr, "cannot write %s\n", navn.constData());
    std::exit(1);
  }
}

// ---------------------------------------------------------------------------------------
// Icon drawings

QImage TomtIkon(int size) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  return img;
}

// A disc with a rim two pixels wide (one at 16 x 16) and a bold mark in its middle.
QImage Skive(int size, QRgb rand, QRgb fyld, QRgb maerke, const QString& tegn) {
  QImage img = TomtIkon(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(rand));
  p.drawEllipse(QRectF(0, 0, size, size));
  const double kant = size >= 32 ? 2 : 1;
  p.setBrush(QColor(fyld));
  p.drawEllipse(QRectF(kant, kant, size - 2 * kant, size - 2 * kant));

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(size * 3 / 4);
  font.setStyleStrategy(QFont::NoAntialias);
  QPainterPath path;
  path.addText(0, 0, font, tegn);
  const QRectF r = path.boundingRect();
  path.translate(size / 2.0 - r.center().x(), size / 2.0 - r.center().y());
  p.setBrush(QColor(maerke));
  p.drawPath(path);
  return img;
}

QImage Flueben(int size) {
  QImage img = TomtIkon(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  const double s = size / 32.0;
  QPainterPath path;
  path.moveTo(3 * s, 17 * s);
  path.lineTo(8 * s, 12 * s);
  path.lineTo(13 * s, 18 * s);
  path.lineTo(26 * s, 4 * s);
  path.lineTo(30 * s, 8 * s);
  path.lineTo(13 * s, 27 * s);
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPath(path);
  return img;
}

// A white card with grey grid rules and four blue columns standing on a black axis.
QImage Soejlediagram(int size) {
  QImage img = TomtIkon(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int s = size / 16;  // 2 at 32 x 32, 1 at 16 x 16
  p.fillRect(QRect(0, 0, size, size), QColor(255, 255, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0));
  // frame of the card
  p.fillRect(QRect(0, 0, size, 1), Qt::black);
  p.fillRect(QRect(0, size - 1, size, 1), Qt::black);
  p.fillRect(QRect(0, 0, 1, size), Qt::black);
  p.fillRect(QRect(size - 1, 0, 1, size), Qt::black);
  // horizontal rules
  for (int y = 3 * s; y < 14 * s; y += 3 * s) p.fillRect(QRect(1, y, size - 2, 1), QColor(128, 128, 128));
  // axis
  p.fillRect(QRect(2 * s, 14 * s, size - 4 * s, 1), Qt::black);
  // columns
  const int hoejder[4] = {5, 9, 7, 11};
  for (int i = 0; i < 4; ++i) {
    const int x = (2 + 3 * i) * s + 1;
    const int top = (14 - hoejder[i]) * s;
    const QRect soejle(x, top, 2 * s, 14 * s - top);
    p.fillRect(soejle, QColor(0, 0, 255));
    if (s > 1) {
      p.fillRect(QRect(soejle.left(), soejle.top(), soejle.width(), 1), QColor(0, 0, 128));
      p.fillRect(QRect(soejle.right(), soejle.top(), 1, soejle.height()), QColor(0, 0, 128));
    }
  }
  return img;
}

// ---------------------------------------------------------------------------------------
// The reference page: a small formula setter on top of QPainter

const QRgb kPapir = qRgb(246, 242, 231);
const QRgb kTryk = qRgb(28, 26, 24);

struct Side {
  QPainter* p;
  int skrift = 17;  // pixel size of the body text
};

QFont Broedskrift(int px, bool kursiv = false, bool fed = false) {
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(px);
  f.setItalic(kursiv);
  f.setBold(fed);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

// One element of a formula: a text run (italic for variables), a square root, a fraction,
// or a raised or lowered small run.
struct Led {
  enum Art { Tekst, Rod, Broek, Hoej, Lav } art = Tekst;
  QString tekst;
  bool kursiv = false;
  std::vector<Led> a;  // root contents, or numerator
  std::vector<Led> b;  // denominator
};

Led T(const QString& s) { return Led{Led::Tekst, s, false, {}, {}}; }
Led V(const QString& s) { return Led{Led::Tekst, s, true, {}, {}}; }
Led Rod(std::vector<Led> inde) { return Led{Led::Rod, {}, false, std::move(inde), {}}; }
Led Broek(std::vector<Led> t, std::vector<Led> n) {
  return Led{Led::Broek, {}, false, std::move(t), std::move(n)};
}
Led Op(const QString& s) { return Led{Led::Hoej, s, false, {}, {}}; }

struct Maal {
  double bredde, over, under;  // width, extent above and below the base line
};

Maal Maal_(const std::vector<Led>& leder, int px);

Maal Maal1(const Led& l, int px) {
  switch (l.art) {
    case Led::Tekst: {
      QFontMetricsF fm(Broedskrift(px, l.kursiv));
      return {fm.horizontalAdvance(l.tekst), fm.ascent(), fm.descent()};
    }
    case Led::Hoej:
    case Led::Lav: {
      QFontMetricsF fm(Broedskrift(px * 7 / 10, l.kursiv));
      const double skift = l.art == Led::Hoej ? -px * 0.42 : px * 0.25;
      return {fm.horizontalAdvance(l.tekst) + 1, fm.ascent() - skift, fm.descent() + skift};
    }
    case Led::Rod: {
      const Maal m = Maal_(l.a, px);
      return {m.bredde + px * 0.75, m.over + 4, m.under + 1};
    }
    case Led::Broek: {
      const Maal t = Maal_(l.a, px);
      const Maal n = Maal_(l.b, px);
      const double akse = px * 0.3;
      return {std::max(t.bredde, n.bredde) + px * 0.4, akse + 3 + t.over + t.under,
              -akse + 3 + n.over + n.under};
    }
  }
  return {0, 0, 0};
}

Maal Maal_(const std::vector<Led>& leder, int px) {
  Maal m{0, 0, 0};
  for (const Led& l : leder) {
    const Maal e = Maal1(l, px);
    m.bredde += e.bredde;
    m.over = std::max(m.over, e.over);
    m.under = std::max(m.under, e.under);
  }
  return m;
}

double Saet(QPainter& p, const std::vector<Led>& leder, double x, double y, int px);

double Saet1(QPainter& p, const Led& l, double x, double y, int px) {
  const Maal m = Maal1(l, px);
  switch (l.art) {
    case Led::Tekst:
      p.setFont(Broedskrift(px, l.kursiv));
      p.drawText(QPointF(x, y), l.tekst);
      break;
    case Led::Hoej:
    case Led::Lav:
      p.setFont(Broedskrift(px * 7 / 10, l.kursiv));
      p.drawText(QPointF(x, y + (l.art == Led::Hoej ? -px * 0.42 : px * 0.25)), l.tekst);
      break;
    case Led::Rod: {
      const Maal inde = Maal_(l.a, px);
      const double top = y - inde.over - 2;
      const double bund = y + inde.under;
      const double v = px * 0.65;
      QPainterPath tegn;
      tegn.moveTo(x + 1, y - (inde.over) * 0.35);
      tegn.lineTo(x + v * 0.3, y - (inde.over) * 0.5);
      tegn.lineTo(x + v * 0.6, bund);
      tegn.lineTo(x + v, top);
      tegn.lineTo(x + m.bredde - 1, top);
      QPen pen{QColor(kTryk)};
      pen.setWidthF(1.4);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
      p.drawPath(tegn);
      Saet(p, l.a, x + v + px * 0.08, y, px);
      break;
    }
    case Led::Broek: {
      const Maal t = Maal_(l.a, px);
      const Maal n = Maal_(l.b, px);
      const double akse = y - px * 0.3;
      QPen pen{QColor(kTryk)};
      pen.setWidthF(1.2);
      p.setPen(pen);
      p.drawLine(QPointF(x + px * 0.15, akse), QPointF(x + m.bredde - px * 0.15, akse));
      Saet(p, l.a, x + (m.bredde - t.bredde) / 2, akse - 3 - t.under, px);
      Saet(p, l.b, x + (m.bredde - n.bredde) / 2, akse + 3 + n.over, px);
      break;
    }
  }
  return x + m.bredde;
}

double Saet(QPainter& p, const std::vector<Led>& leder, double x, double y, int px) {
  p.setPen(QColor(kTryk));
  for (const Led& l : leder) {
    x = Saet1(p, l, x, y, px);
    p.setPen(QColor(kTryk));
  }
  return x;
}

// Body text set as a justified paragraph in the column [x, x + bredde]; returns the base
// line below the last line.
double Afsnit(QPainter& p, const QString& tekst, double x, double y, double bredde, int px,
              bool kursiv = false) {
  const QFont f = Broedskrift(px, kursiv);
  QFontMetricsF fm(f);
  p.setFont(f);
  p.setPen(QColor(kTryk));
  const QStringList ord = tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const double linje = px * 1.38;
  const double mellemrum = fm.horizontalAdvance(QLatin1Char(' '));
  int i = 0;
  while (i < ord.size()) {
    double w = fm.horizontalAdvance(ord[i]);
    int j = i + 1;
    while (j < ord.size() && w + mellemrum + fm.horizontalAdvance(ord[j]) <= bredde) {
      w += mellemrum + fm.horizontalAdvance(ord[j]);
      ++j;
    }
    const bool sidste = j == ord.size();
    const double ekstra = (sidste || j - i < 2) ? 0 : (bredde - w) / (j - i - 1);
    double xx = x;
    for (int k = i; k < j; ++k) {
      p.drawText(QPointF(xx, y), ord[k]);
      xx += fm.horizontalAdvance(ord[k]) + mellemrum + ekstra;
    }
    y += linje;
    i = j;
  }
  return y;
}

double Overskrift(QPainter& p, const QString& tekst, double x, double y, int px) {
  p.setFont(Broedskrift(px, false, true));
  p.setPen(QColor(kTryk));
  p.drawText(QPointF(x, y), tekst);
  return y + px * 1.55;
}

// A displayed formula, indented; a number in brackets at the column's right edge.
double Formel(QPainter& p, const std::vector<Led>& leder, double x, double y, double bredde,
              int px, const QString& nummer = QString()) {
  const Maal m = Maal_(leder, px);
  const double base = y + m.over;
  Saet(p, leder, x + 28, base, px);
  if (!nummer.isEmpty()) {
    p.setFont(Broedskrift(px - 2));
    QFontMetricsF fm(p.font());
    p.drawText(QPointF(x + bredde - fm.horizontalAdvance(nummer), base), nummer);
  }
  return base + m.under + px * 1.45;
}

QImage Referenceside() {
  const int W = 1129;
  const int H = 824;
  QImage img(W, H, QImage::Format_RGB888);
  img.fill(QColor(kPapir));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A faint shadow along the binding and a little grain, as on a scanned page.
  QLinearGradient ryg(0, 0, 40, 0);
  ryg.setColorAt(0, QColor(205, 199, 186));
  ryg.setColorAt(1, QColor(kPapir));
  p.fillRect(QRect(0, 0, 40, H), ryg);
  QRandomGenerator korn(1129824);
  for (int n = 0; n < 9000; ++n) {
    const int x = static_cast<int>(korn.bounded(W));
    const int y = static_cast<int>(korn.bounded(H));
    const int g = 225 + static_cast<int>(korn.bounded(15));
    img.setPixel(x, y, qRgb(g, g - 4, g - 14));
  }

  const int px = 16;   // body text
  const int fpx = 18;  // formulas
  const double venstre = 70;
  const double kolonne = 470;
  const double hoejre = 600;

  // Running head
  p.setFont(Broedskrift(14, true));
  p.setPen(QColor(kTryk));
  p.drawText(QPointF(venstre, 46), QStringLiteral("4  Udstrømning fra åbninger og huller"));
  p.setFont(Broedskrift(14));
  p.drawText(QPointF(hoejre + kolonne - 22, 46), QStringLiteral("87"));
  QPen streg{QColor(kTryk)};
  streg.setWidthF(1.0);
  p.setPen(streg);
  p.drawLine(QPointF(venstre, 56), QPointF(hoejre + kolonne, 56));

  // ---- Left column
  double y = 92;
  y = Overskrift(p, QStringLiteral("Eksempel 4.1   Udstrømning gennem en åbning"), venstre, y, px + 1);
  y = Afsnit(p,
             QStringLiteral("En beholder står fyldt med vand. I dybden h under vandspejlet sidder "
                            "en åbning med tværsnitsarealet A. Bernoullis ligning mellem "
                            "vandspejlet og åbningen giver strålens hastighed (Torricelli):"),
             venstre, y, kolonne, px);
  y = Formel(p, {V("v"), T(" = "), Rod({T("2 · "), V("g"), T(" · "), V("h")})}, venstre, y - 6,
             kolonne, fpx, QStringLiteral("(4.1)"));
  y = Afsnit(p,
             QStringLiteral("Strålen snævres ind lige efter åbningen, og friktionen nedsætter "
                            "hastigheden en smule. Begge dele samles i udstrømningstallet α¹, "
                            "der er dimensionsløst (for en skarpkantet åbning α ≈ 0,6). "
                            "Vandmængden pr. sekund bliver da"),
             venstre, y, kolonne, px);
  y = Formel(p,
             {V("Q"), T(" = "), V("α"), T(" · "), V("A"), T(" · "), V("v"), T(" = "), V("α"),
              T(" · "), V("A"), T(" · "), Rod({T("2 · "), V("g"), T(" · "), V("h")})},
             venstre, y - 6, kolonne, fpx, QStringLiteral("(4.2)"));
  y = Afsnit(p,
             QStringLiteral("Med A i m², g = 9,81 m/s² og h i m fås Q i m³/s. Formlen gælder "
                            "for ethvert konsistent sæt af enheder."),
             venstre, y, kolonne, px);

  y += 14;
  y = Overskrift(p, QStringLiteral("Eksempel 4.2   Trykhøjde for et tryk i bar"), venstre, y, px + 1);
  y = Afsnit(p,
             QStringLiteral("I en vandledning under tryk træder trykket p i stedet for "
                            "vandsøjlen over åbningen. Et tryk svarer til trykhøjden h, når "
                            "p = ρ · g · h. Med 1 bar = 10⁵ Pa, ρ = 1000 kg/m³ og "
                            "g = 9,81 m/s² fås for p målt i bar:"),
             venstre, y, kolonne, px);
  y = Formel(p,
             {V("h"), T(" = "), Broek({V("p"), T(" · 10"), Op("5")}, {V("ρ"), T(" · "), V("g")}),
              T(" = "), Broek({V("p"), T(" · 10"), Op("5")}, {T("1000 · 9,81")}), T(" m = 10,19 · "),
              V("p"), T(" m")},
             venstre, y - 4, kolonne, fpx);
  y = Formel(p, {V("h"), T(" ≈ 10,2 · "), V("p"), T("  m"), T("      ("), V("p"), T(" i bar)")},
             venstre, y - 12, kolonne, fpx, QStringLiteral("(4.3)"));
  y = Afsnit(p,
             QStringLiteral("Et ledningstryk på 5 bar svarer altså til en vandsøjle på "
                            "h = 10,2 · 5 = 51 m = 5100 cm."),
             venstre, y, kolonne, px);

  // ---- Right column
  y = 92;
  y = Overskrift(p, QStringLiteral("Eksempel 4.3   Formlen i praktiske enheder"), hoejre, y, px + 1);
  y = Afsnit(p,
             QStringLiteral("Ved lækager regnes Q i l/s, A i cm² og h i cm. Regnes alle længder "
                            "i cm, er g = 981 cm/s², og (4.2) giver Q i cm³/s:"),
             hoejre, y, kolonne, px);
  y = Formel(p,
             {V("Q"), T(" = "), V("α"), T(" · "), V("A"), T(" · "),
              Rod({T("2 · 981 · "), V("h")}), T(" = "), Rod({T("1962")}), T(" · "), V("α"),
              T(" · "), V("A"), T(" · "), Rod({V("h")})},
             hoejre, y - 6, kolonne, fpx);
  y = Formel(p,
             {V("Q"), T(" = 44,29 · "), V("α"), T(" · "), V("A"), T(" · "), Rod({V("h")}),
              T("   cm³/s")},
             hoejre, y - 10, kolonne, fpx);
  y = Afsnit(p,
             QStringLiteral("da √1962 = 44,29. Da 1 liter = 1000 cm³, divideres med 1000 for at "
                            "få Q i l/s:"),
             hoejre, y, kolonne, px);
  y = Formel(p,
             {V("Q"), T(" = "), Broek({Rod({T("2 · 981")})}, {T("1000")}), T(" · "), V("α"),
              T(" · "), V("A"), T(" · "), Rod({V("h")}), T(" = "),
              Broek({T("44,29")}, {T("1000")}), T(" · "), V("α"), T(" · "), V("A"), T(" · "),
              Rod({V("h")})},
             hoejre, y - 4, kolonne, fpx);
  // The result in a box
  {
    const std::vector<Led> resultat = {V("Q"), T(" = 0,0443 · "), V("α"), T(" · "), V("A"),
                                       T(" · "), Rod({V("h")})};
    const Maal m = Maal_(resultat, fpx + 1);
    const double base = y + m.over + 4;
    const QRectF ramme(hoejre + 22, base - m.over - 8, m.bredde + 36, m.over + m.under + 16);
    p.setPen(streg);
    p.setBrush(Qt::NoBrush);
    p.drawRect(ramme);
    Saet(p, resultat, hoejre + 40, base, fpx + 1);
    p.setFont(Broedskrift(fpx - 2));
    QFontMetricsF fm(p.font());
    p.drawText(QPointF(hoejre + kolonne - fm.horizontalAdvance(QStringLiteral("(4.4)")), base),
               QStringLiteral("(4.4)"));
    y = ramme.bottom() + 28;
  }
  y = Afsnit(p,
             QStringLiteral("med Q i l/s, A i cm², h i cm og α dimensionsløs. Samme tal fås i "
                            "SI-enheder: A · 10⁻⁴ m², h · 10⁻² m og 1000 l/m³ giver faktoren "
                            "1000 · 10⁻⁴ · √(2 · 9,81 · 10⁻²) = 0,1 · √0,1962 = 0,1 · 0,4429 = 0,0443."),
             hoejre, y, kolonne, px);

  y += 14;
  y = Overskrift(p, QStringLiteral("Eksempel 4.4   Et hul i en trykledning"), hoejre, y, px + 1);
  y = Afsnit(p,
             QStringLiteral("Et skarpkantet hul med diameteren 5 mm (α = 0,6) sidder i en "
                            "ledning med 5 bar. Arealet er A = π · 0,5² / 4 = 0,196 cm², og "
                            "efter (4.3) er h = 5100 cm. Af (4.4):"),
             hoejre, y, kolonne, px);
  y = Formel(p,
             {V("Q"), T(" = 0,0443 · 0,6 · 0,196 · "), Rod({T("5100")}), T(" = 0,372 l/s")},
             hoejre, y - 6, kolonne, fpx);
  y = Afsnit(p,
             QStringLiteral("Det er 1,34 m³ i timen eller godt 32 m³ i døgnet, som løber bort "
                            "fra et hul, man let overser."),
             hoejre, y, kolonne, px);

  // Footnote below a short rule across the left column.
  {
    const double fy = 742;
    QPen tynd{QColor(kTryk)};
    tynd.setWidthF(0.8);
    p.setPen(tynd);
    p.drawLine(QPointF(venstre, fy), QPointF(venstre + 160, fy));
    double ny = fy + 22;
    ny = Afsnit(p,
                QStringLiteral("¹ Udstrømningstallet α afhænger af åbningens form: skarpkantet "
                               "hul 0,60 – 0,64, afrundet munding 0,95 – 0,98. Ved revner og "
                               "tæringshuller i rør bestemmes α bedst ved forsøg."),
                venstre, ny, hoejre + kolonne - venstre, 14, true);
  }

  return img;
}

void Gem(const QImage& img, const QString& sti) {
  if (!img.save(sti, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", sti.toLocal8Bit().constData());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QDir ud(QString::fromLocal8Bit(argv[1]));

  const QRgb sort = qRgb(0, 0, 0);
  const QRgb hvid = qRgb(255, 255, 255);
  const QRgb groen = qRgb(0, 128, 0);
  const QRgb gul = qRgb(255, 255, 0);
  const QRgb roed = qRgb(255, 0, 0);
  const QString sp = QStringLiteral("?");
  const QString ut = QStringLiteral("!");

  SkrivIkon(ud.filePath(QStringLiteral("question.ico")),
            {{Skive(32, sort, groen, hvid, sp), kPalette16},
             {Skive(32, sort, hvid, roed, sp), kPalette8},
             {Skive(32, sort, hvid, sort, sp), kPalette2}});
  SkrivIkon(ud.filePath(QStringLiteral("exclamation.ico")),
            {{Skive(32, sort, gul, sort, ut), kPalette16},
             {Skive(32, sort, gul, sort, ut), kPalette8},
             {Skive(32, sort, hvid, sort, ut), kPalette2}});
  SkrivIkon(ud.filePath(QStringLiteral("tick.ico")),
            {{Flueben(32), kPalette16}, {Flueben(16), kPalette16}});
  SkrivIkon(ud.filePath(QStringLiteral("bar_chart.ico")),
            {{Soejlediagram(32), kPalette16}, {Soejlediagram(16), kPalette16}});
  SkrivIkon(ud.filePath(QStringLiteral("attention.ico")), {{Skive(32, sort, gul, sort, ut), kPalette16}});
  Gem(Referenceside(), ud.filePath(QStringLiteral("reference_page.png")));
  return 0;
}
