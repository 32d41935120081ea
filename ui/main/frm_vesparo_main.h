// The start-up window: three sliders, sixteen result fields, the hole drawn at real size,
// the status bar, the maker's links and the menus. Every slider movement and every
// activation of the window runs one full recalculation, Beregn.
#pragma once

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QScrollBar;
class QGroupBox;
class QAction;

namespace vesparo {

class CirkelShape;
class StatusBar;

class frmVesparoMain : public QMainWindow {
  Q_OBJECT

 public:
  // Creating the window is its load step: it checks the screen, writes the resolution into
  // the status bar and sets the sliders to their start values, which recalculates three
  // times. Show it with showMaximized().
  explicit frmVesparoMain(QWidget* parent = nullptr);

  // The full recalculation: the sixteen fields from the three slider positions and the
  // hole at its calibrated size, centred in FrameØ. The window runs it from its own
  // handlers; it is public so that the benchmark can time exactly one.
  void Beregn();

  // The window's outer size in the restored state: the designed client area with the menu
  // bar above it.
  QSize GendannetStoerrelse() const { return gendannet_; }

  // Whether a screen this wide (in twips) gets the resolution warning at start.
  static bool SkaermAdvarsel(float breddeTwips);
  static QString SkaermAdvarselTitel();
  static QString SkaermAdvarselTekst();

  // Tests only: called at the start of every recalculation with the three positions read,
  // also during the load, before anyone could connect to a signal.
  using Beregningsobservatoer = std::function<void(std::int16_t d, std::int16_t b, std::int16_t p)>;
  static void SaetBeregningsobservatoerForTest(Beregningsobservatoer observatoer);

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void byggKontroller();
  void byggMenuer();
  void indlaes();
  double kalibrering();
  void advarOmKalibrering(const QString& besked);

  QWidget* klient_ = nullptr;
  QGroupBox* frameOe_ = nullptr;
  CirkelShape* shapeOe_ = nullptr;
  StatusBar* statusBar_ = nullptr;
  QScrollBar* hScrollOe_ = nullptr;
  QScrollBar* hScrollBar_ = nullptr;
  QScrollBar* hScrollKubikPris_ = nullptr;
  QLineEdit* textOe_ = nullptr;
  QLineEdit* textBar_ = nullptr;
  QLineEdit* textKrPerKubik_ = nullptr;
  QLineEdit* textAreal_ = nullptr;
  // In the order Beregn writes them: TextLSek, TextKrSek, ... TextMAr, TextKrAr.
  QLineEdit* tab_[12] = {};

  QSize gendannet_;
  // The last unusable calibration text the user was told about, so that a drag, which
  // recalculates many times a second, does not repeat the message.
  std::optional<QString> advaretTekst_;
  bool advaretUlaeselig_ = false;  // the settings file could not be read, and the user was told
};

}  // namespace vesparo
