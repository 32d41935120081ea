#include "ui/info/frm_saadan.h"

#include "ui/info/info_controls.h"
#include "ui/info/info_pictures.h"
#include "ui/platform/fonts.h"
#include "ui/platform/system_colours.h"
#include "ui/platform/twips.h"

#include <QPushButton>

namespace vesparo {

namespace {

struct LinjeData {
  int index;
  double x1, y, x2;
  unsigned farve;
  int bredde;
};

// In creation order: at each height the white line first and the grey on top of it, so that
// each group reads as a grey line with a white line directly beneath (see LinjeKontrol).
constexpr LinjeData kLinjer[] = {
    {2, 0, 1200, 9960, kHvidLinje, 2},    {1, 0, 1200, 9960, kGraaLinje, 1},
    {3, -120, 2640, 9840, kHvidLinje, 2}, {4, -120, 2640, 9840, kGraaLinje, 1},
    {0, 360, 2640, 9960, kGraaLinje, 1},  {6, 0, 4080, 9960, kHvidLinje, 2},
    {5, 0, 4080, 9960, kGraaLinje, 1},
};

}  // namespace

frmSaadan::frmSaadan(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("frmSaadan"));
  setWindowTitle(QStringLiteral("Sådan gør du"));
  setWindowIcon(VinduesIkon(QString::fromLatin1(kUdraabstegnIkon)));
  setFont(VinduesSkrift());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Farve(SystemFarve::AktivKant, pal));
  setPalette(pal);
  setAutoFillBackground(true);

  const QString spoergsmaal = QString::fromLatin1(kSpoergsmaalstegnIkon);
  const QString flueben = QString::fromLatin1(kFluebenIkon);

  // Row one: the hole is drawn at the wrong size.
  QLabel* l;
  NavngivIndekseret(IkonKontrol(this, {}, 120, 360, spoergsmaal), "Image2", 0);
  l = NoteEtiket(this, {}, 600, 360, 2535, 495,
                 QStringLiteral("Lækagehullet bliver vist i forkert størrelse. "));
  NavngivIndekseret(l, "Label2", 0);
  NavngivIndekseret(IkonKontrol(this, {}, 3240, 360, QString::fromLatin1(kUdraabstegnIkon)),
                    "Image1", 0);
  l = NoteEtiket(this, {}, 3720, 360, 2535, 495,
                 QStringLiteral("Lækagehullets størrelse skal kalibreres."));
  NavngivIndekseret(l, "Label1", 0);
  NavngivIndekseret(IkonKontrol(this, {}, 6360, 360, flueben), "Image3", 0);
  l = NoteEtiket(this, {}, 6840, 360, 2535, 495,
                 QStringLiteral("Indstilles fra: Filer - Indstillinger - Kalibrer."));
  NavngivIndekseret(l, "Label1", 2);

  // Row two: how the scroll bars are worked.
  NavngivIndekseret(IkonKontrol(this, {}, 120, 1680, spoergsmaal), "Image2", 1);
  l = NoteEtiket(this, {}, 600, 1680, 2535, 495,
                 QStringLiteral("Hvordan indstilles scrollbarerne?"));
  NavngivIndekseret(l, "Label2", 1);
  NavngivIndekseret(IkonKontrol(this, {}, 3240, 1680, flueben), "Image3", 1);
  l = NoteEtiket(this, {}, 3720, 1560, 5655, 735,
                 QStringLiteral("Flyt curseren med musen hen til en af de små pile i enderne af "
                                "scrollbaren, og hold den venstre musetast nede til den ønskede "
                                "indstilling er opnået. Eller du kan trække skyderen med musen."));
  NavngivIndekseret(l, "Label1", 1);

  // The only control that takes the focus. It is neither default nor cancel button; Enter
  // and Space press it while it has the focus, Esc does nothing.
  command2_ = new QPushButton(QStringLiteral("Vend tilbage til Vesparo"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setGeometry(PxRect(6960, 2880, 2415, 375));
  command2_->setAutoDefault(true);
  connect(command2_, &QPushButton::clicked, this, &QWidget::close);

  for (const LinjeData& d : kLinjer) {
    auto* linje = new LinjeKontrol(this, d.x1, d.y, d.x2, FastFarve(d.farve), d.bredde);
    NavngivIndekseret(linje, "Line1", d.index);
  }

  const QSize klient = PxSize(9480, 3372);
  resize(klient);
  CentrerPaaSkaerm(this);
  command2_->setFocus();
}

}  // namespace vesparo

namespace vesparo {

void frmSaadan::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centreret_) {
    centreret_ = true;
    CentrerPaaSkaerm(this);
  }
}

}  // namespace vesparo
