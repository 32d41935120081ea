#include "ui/info/info_windows.h"

#include "ui/info/frm_grundlag.h"
#include "ui/info/frm_om.h"
#include "ui/info/frm_saadan.h"
#include "ui/platform/shared_instance.h"

#include <QPointer>

namespace vesparo {

QWidget* VisSaadan(QWidget* owner) {
  return VisDeltInstans<frmSaadan>([owner] { return new frmSaadan(owner); });
}

QWidget* VisGrundlag(QWidget* owner) {
  // The window shows maximised: its load step sets that state before the first show.
  return VisDeltInstans<frmGrundlag>([owner] { return new frmGrundlag(owner); });
}

void VisOm(QWidget* owner) {
  // Open already (a second call from inside the modal loop): only bring it to the front.
  if (frmOm* aaben = AabenInstans<frmOm>()) {
    aaben->raise();
    aaben->activateWindow();
    return;
  }
  QPointer<frmOm> om = VisDeltInstans<frmOm>([owner] { return new frmOm(owner); });
  if (om) om->exec();  // returns when the window has closed; it then deletes itself
}

}  // namespace vesparo
