#include "ui/info/info_controls.h"

#include "resources/resources.h"
#include "ui/platform/screen.h"
#include "ui/platform/system_colours.h"
#include "ui/platform/twips.h"

#include <QImageReader>
#include <QPainter>

namespace vesparo {

QString IndekseretNavn(const char* gruppe, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(gruppe)).arg(index);
}

void NavngivIndekseret(QObject* kontrol, const char* gruppe, int index) {
  kontrol->setObjectName(IndekseretNavn(gruppe, index));
  kontrol->setProperty(kIndeksEgenskab, index);
}

QPixmap IkonPixmap(const QString& sti) {
  InitResources();
  QImageReader reader(sti);  // image 0 of an icon file
  return QPixmap::fromImage(reader.read());
}

QIcon VinduesIkon(const QString& sti) {
  InitResources();
  QImageReader reader(sti);
  QIcon ikon;
  QList<QSize> set;
  const int antal = std::max(1, reader.imageCount());
  for (int i = 0; i < antal; ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage img = reader.read();
    if (img.isNull() || set.contains(img.size())) continue;
    set.append(img.size());
    ikon.addPixmap(QPixmap::fromImage(img));
  }
  return ikon;
}

QLabel* IkonKontrol(QWidget* parent, const QString& objektNavn, double left, double top,
                    const QString& sti) {
  auto* label = new QLabel(parent);
  label->setObjectName(objektNavn);
  label->setPixmap(IkonPixmap(sti));
  label->setGeometry(Px(left), Px(top), 32, 32);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

QLabel* NoteEtiket(QWidget* parent, const QString& objektNavn, double left, double top,
                   double width, double height, const QString& tekst) {
  QLabel* label = Etiket(parent, objektNavn, left, top, width, height, tekst);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, Farve(SystemFarve::AktivTitelTekst, parent->palette()));
  label->setPalette(pal);
  label->setAutoFillBackground(true);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setMargin(1);
  return label;
}

QLabel* Etiket(QWidget* parent, const QString& objektNavn, double left, double top,
               double width, double height, const QString& tekst) {
  auto* label = new QLabel(tekst, parent);
  label->setObjectName(objektNavn);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(PxRect(left, top, width, height));
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

void CentrerPaaSkaerm(QWidget* vindue) {
  const SkaermTwips skaerm = SkaermStoerrelseTwips();
  const QSize ramme = vindue->frameGeometry().size();
  vindue->move((Px(skaerm.bredde) - ramme.width()) / 2, (Px(skaerm.hoejde) - ramme.height()) / 2);
}

LinjeKontrol::LinjeKontrol(QWidget* parent, double x1, double y, double x2, QColor farve,
                           int bredde)
    : QWidget(parent), farve_(farve) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  const int venstre = Px(x1);
  setGeometry(venstre, Px(y), Px(x2) - venstre, bredde);
}

void LinjeKontrol::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), farve_);
}

}  // namespace vesparo
