#include "ui/platform/application.h"

#include "ui/platform/message_box.h"

#include <QWidget>

namespace vesparo {

VesparoApplication::VesparoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The installed desktop entry's name (packaging/), so that a Wayland desktop puts the
  // entry's name and icon on the program's windows.
  setDesktopFileName(QStringLiteral("com.example.Vesparo"));
}

QString VesparoApplication::FejlTekst(const QString& hvad) {
  QString tekst = QStringLiteral("Der opstod en uventet fejl, og Vesparo må lukke.");
  if (!hvad.isEmpty()) tekst += QStringLiteral("\n\nFejlen: ") + hvad;
  tekst += QStringLiteral("\n\nDin gemte kalibrering er ikke berørt.");
  return tekst;
}

void VesparoApplication::rapporter(const QString& hvad) {
  // One report per run: the program is on its way out, and an error while the box is open
  // must not open a second one.
  if (!rapporterer_) {
    rapporterer_ = true;
    VisBesked(nullptr, FejlTekst(hvad), QString(), BeskedIkon::Udraabstegn);
  }
  exit(1);
}

bool VesparoApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    rapporter(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    rapporter(QString());
  }
  return false;
}

int VesparoApplication::koer(const std::function<void()>& start) {
  try {
    start();
  } catch (const std::exception& e) {
    rapporter(QString::fromLocal8Bit(e.what()));
    return 1;
  } catch (...) {
    rapporter(QString());
    return 1;
  }
  return exec();
}

}  // namespace vesparo
