#include "ui/info/frm_grundlag.h"

#include "ui/info/info_controls.h"
#include "ui/info/info_pictures.h"
#include "ui/platform/fonts.h"
#include "ui/platform/twips.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

namespace vesparo {

frmGrundlag::frmGrundlag(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmGrundlag"));
  setWindowTitle(QStringLiteral("Grundlag"));
  setWindowIcon(VinduesIkon(QString::fromLatin1(kSoejlediagramIkon)));
  setFont(VinduesSkrift());

  // The page first, so that it lies beneath the note, the sign and the button where it
  // reaches up into the strip above it on a wide screen.
  auto* image1 = new QLabel(this);
  image1->setObjectName(QStringLiteral("Image1"));
  image1->setPixmap(QPixmap(QString::fromLatin1(kReferenceside)));
  image1->setScaledContents(true);  // stretched to fill, the page's own aspect not kept
  image1->setGeometry(PxRect(0, 1680, 11175, 8535));

  // The note's figure is the constant of the loss model, written with a point as it was
  // typed, whatever the user's decimal separator.
  NoteEtiket(this, QStringLiteral("Label1"), 712, 60, 3135, 495,
             QStringLiteral("K-faktoren er af erfaringsmæssige årsager ændret i Vesparo til: "
                            "0.02971487"));

  command1_ = new QPushButton(QStringLiteral("Tilbage til Vesparo"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(PxRect(3960, 120, 2295, 375));
  command1_->setAutoDefault(true);  // Enter presses it while it has the focus
  connect(command1_, &QPushButton::clicked, this, &QWidget::close);

  IkonKontrol(this, QStringLiteral("Image2"), 120, 72, QString::fromLatin1(kAdvarselIkon));

  // Load step.
  geometri_ = BeregnGrundlagGeometri(SkaermStoerrelseTwips());
  resize(PxSize(geometri_.vinduesBredde, geometri_.vinduesHoejde));
  image1->setGeometry(PxRect(0, geometri_.sideTop, geometri_.sideBredde, geometri_.sideHoejde));
  setWindowState(Qt::WindowMaximized);
  command1_->setFocus();
}

// The border is fixed: once the window has its maximised size, the user cannot change it.
// The window manager may report the maximised state before the maximised geometry, so the
// size is fixed only when the frame fills the screen's work area; a window manager that
// never gets there leaves the window resizable rather than stuck at a wrong size.
void frmGrundlag::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QScreen* skaerm = screen();
  if (!laast_ && isVisible() && isMaximized() && skaerm &&
      frameGeometry().size() == skaerm->availableGeometry().size()) {
    laast_ = true;
    setFixedSize(event->size());
  }
}

}  // namespace vesparo
