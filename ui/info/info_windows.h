// Entry points of the information windows for their owner, the main window.
#pragma once

class QWidget;

namespace vesparo {

// frmSaadan and frmGrundlag: modeless, owned by owner; created and loaded when not loaded,
// otherwise brought to the front. Each returns its window.
QWidget* VisSaadan(QWidget* owner);
QWidget* VisGrundlag(QWidget* owner);

// frmOm: modal, owned by owner; returns when the window has closed.
void VisOm(QWidget* owner);

}  // namespace vesparo
