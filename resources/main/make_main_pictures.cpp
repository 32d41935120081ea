// Draws the main window's pictures into the folder given as the only argument:
//   vesparo.png   the program icon, 32 x 32, 16 colours (the classic VGA palette, with the
//                 palette's magenta standing for "transparent"), rendered from
//                 vesparo_icon.svg, which is its source
//   vesparo.ico   the same image as a Windows icon file (4 bits per pixel and a mask)
//   logo.png      the maker's logo, 177 x 42, 24-bit: a white panel with rounded corners,
//                 light grey outside the rounding, the company name on it
//
// The build uses the committed pictures; run this after changing a source:
//   cmake --build <build folder> --target main_pictures
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The sixteen colours of the VGA palette in the usual icon order.
const QRgb kVga[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
constexpr int kGennemsigtig = 13;  // magenta: never used in the drawing

int Naermeste(QRgb c) {
  int bedste = 0;
  int afstand = 1 << 30;
  for (int i = 0; i < 16; ++i) {
    if (i == kGennemsigtig) continue;
    const int dr = qRed(c) - qRed(kVga[i]);
    const int dg = qGreen(c) - qGreen(kVga[i]);
    const int db = qBlue(c) - qBlue(kVga[i]);
    const int a = dr * dr + dg * dg + db * db;
    if (a < afstand) {
      afstand = a;
      bedste = i;
    }
  }
  return bedste;
}

// The SVG rendered at 32 x 32 and every pixel taken to the nearest palette colour (no
// dithering, which only speckles an icon this small); mostly transparent pixels become
// transparent.
QImage Ikon(const QString& svg) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage rgba(32, 32, QImage::Format_ARGB32);
  rgba.fill(Qt::transparent);
  {
    QPainter p(&rgba);
    renderer.render(&p);
  }
  QImage ikon(32, 32, QImage::Format_Indexed8);
  QVector<QRgb> tabel(kVga, kVga + 16);
  tabel[kGennemsigtig] = qRgba(255, 0, 255, 0);
  ikon.setColorTable(tabel);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb c = rgba.pixel(x, y);
      ikon.setPixel(x, y, qAlpha(c) < 128 ? kGennemsigtig : Naermeste(qUnpremultiply(c)));
    }
  }
  return ikon;
}

void Put16(std::vector<char>& b, unsigned v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::vector<char>& b, unsigned v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// One 32 x 32 image, 4 bits per pixel: icon directory, bitmap header, colour table, the
// colour bitmap and the transparency mask, both bottom row first.
bool SkrivIco(const QString& sti, const QImage& ikon) {
  std::vector<char> bmp;
  Put32(bmp, 40);
  Put32(bmp, 32);
  Put32(bmp, 64);  // colour bitmap and mask together
  Put16(bmp, 1);
  Put16(bmp, 4);
  Put32(bmp, 0);
  Put32(bmp, 32 * 16 + 32 * 4);
  Put32(bmp, 0);
  Put32(bmp, 0);
  Put32(bmp, 16);
  Put32(bmp, 0);
  for (int i = 0; i < 16; ++i) {
    const QRgb c = i == kGennemsigtig ? qRgb(0, 0, 0) : kVga[i];
    bmp.push_back(static_cast<char>(qBlue(c)));
    bmp.push_back(static_cast<char>(qGreen(c)));
    bmp.push_back(static_cast<char>(qRed(c)));
    bmp.push_back(0);
  }
  for (int y = 31; y >= 0; --y) {
    for (int x = 0; x < 32; x += 2) {
      auto farve = [&](int xx) {
        const int i = ikon.pixelIndex(xx, y);
        return i == kGennemsigtig ? 0 : i;  // black under the mask
      };
      bmp.push_back(static_cast<char>((farve(x) << 4) | farve(x + 1)));
    }
  }
  for (int y = 31; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      unsigned char m = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (ikon.pixelIndex(byte * 8 + bit, y) == kGennemsigtig) m |= static_cast<unsigned char>(0x80 >> bit);
      }
      bmp.push_back(static_cast<char>(m));
    }
  }
  std::vector<char> fil;
  Put16(fil, 0);
  Put16(fil, 1);  // an icon
  Put16(fil, 1);  // one image
  fil.push_back(32);
  fil.push_back(32);
  fil.push_back(16);
  fil.push_back(0);
  Put16(fil, 1);
  Put16(fil, 4);
  Put32(fil, static_cast<unsigned>(bmp.size()));
  Put32(fil, 6 + 16);
  fil.insert(fil.end(), bmp.begin(), bmp.end());
  QFile f(sti);
  return f.open(QIODevice::WriteOnly) &&
         f.write(fil.data(), static_cast<qint64>(fil.size())) == static_cast<qint64>(fil.size());
}

// The logo: light grey where the white panel's corners are rounded off, a blue drop, the
// company name and what it does.
QImage Logo() {
  QImage logo(177, 42, QImage::Format_RGB888);
  logo.fill(QColor(212, 208, 200));
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0, 0, 177, 42), 9, 9);

  // A drop of water: a circle with a point on top.
  QPainterPath draabe;
  draabe.moveTo(20, 6);
  draabe.cubicTo(22, 13, 29, 18, 29, 25);
  draabe.arcTo(QRectF(11, 16, 18, 18), 0, -180);
  draabe.cubicTo(11, 18, 18, 13, 20, 6);
  QLinearGradient blaa(11, 6, 29, 34);
  blaa.setColorAt(0, QColor(90, 170, 255));
  blaa.setColorAt(1, QColor(0, 70, 170));
  p.setBrush(blaa);
  p.drawPath(draabe);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QRectF(15, 22, 4, 6));

  QFont navn(QStringLiteral("Liberation Sans"));
  navn.setStyleHint(QFont::SansSerif);
  navn.setBold(true);
  navn.setPixelSize(19);
  p.setFont(navn);
  p.setPen(QColor(0, 60, 140));
  p.drawText(QRectF(36, 3, 138, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QN VAND ApS"));
  QFont linje = navn;
  linje.setBold(false);
  linje.setPixelSize(10);
  p.setFont(linje);
  p.setPen(QColor(70, 80, 95));
  p.drawText(QRectF(37, 25, 138, 13), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Lækagesøgning · Vandteknik"));
  p.end();
  return logo;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "brug: make_main_pictures <mappe>\n");
    return 2;
  }
  const QDir ud(QString::fromLocal8Bit(argv[1]));
  const QImage ikon = Ikon(ud.filePath(QStringLiteral("vesparo_icon.svg")));
  if (ikon.isNull()) {
    std::fprintf(stderr, "make_main_pictures: vesparo_icon.svg kan ikke læses\n");
    return 1;
  }
  bool ok = ikon.save(ud.filePath(QStringLiteral("vesparo.png")), "PNG");
  ok = SkrivIco(ud.filePath(QStringLiteral("vesparo.ico")), ikon) && ok;
  ok = Logo().save(ud.filePath(QStringLiteral("logo.png")), "PNG") && ok;
  if (!ok) {
    std::fprintf(stderr, "make_main_pictures: billederne kunne ikke skrives i %s\n", argv[1]);
    return 1;
  }
  return 0;
}
