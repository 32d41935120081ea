// The About window: the program's title and version, what it is for, the copyright notice,
// and the button that starts the system-information tool. Modal and owned by the main
// window; OK (Enter, Esc) or the close box closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vesparo {

// The About window's fixed texts.
inline constexpr const char* kOmAdvarsel = "";
inline constexpr const char* kOmOphavsret = "Copyright © 2026 QN VAND ApS";
inline constexpr const char* kOmBeskrivelse1 =
    "Vesparo er et hjælpeværktøj til at beregne lækagetabet fra vandrør, dels i vandmængde, "
    "dels i Kr.";
inline constexpr const char* kOmBeskrivelse2 =
    "Parametre: Lækagehulsdiameter, tryk og vandpris, der indstilles individuelt på "
    "scrollbarer.";

class frmOm : public QDialog {
  Q_OBJECT

 public:
  // Client area 5736 x 5400 twips, centred on the screen, application modal.
  explicit frmOm(QWidget* owner);

  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool centreret_ = false;
  void Indlaes();

  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdSysInfo_ = nullptr;
  QLabel* lblDescription_ = nullptr;
  QLabel* lblDisclaimer_ = nullptr;
  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* label1_ = nullptr;
};

}  // namespace vesparo
