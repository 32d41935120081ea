// Renders every window of the program offscreen and writes one PNG per window into the
// folder given as the only argument. Run through `make screenshots`.
#include "tests/screenshots/screenshot_registry.h"
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/main/frm_vesparo_main.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace vesparo::skaermbilleder {

std::vector<Skaermbillede>& Alle() {
  static std::vector<Skaermbillede> alle;
  return alle;
}

frmVesparoMain* Hovedvindue() {
  static QPointer<frmVesparoMain> vindue;
  if (!vindue) {
    vindue = new frmVesparoMain;
    vindue->show();
    vindue->activateWindow();
    (void)QTest::qWaitForWindowExposed(vindue);
  }
  return vindue;
}

}  // namespace vesparo::skaermbilleder

int main(int argc, char** argv) {
  using namespace vesparo::skaermbilleder;
  vesparo::test::PrepareTestEnvironment();
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "brug: vesparo_screenshots <mappe>\n");
    return 2;
  }
  const QDir ud(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(ud.path())) {
    std::fprintf(stderr, "vesparo_screenshots: kan ikke oprette %s\n", argv[1]);
    return 1;
  }
  vesparo::test::MessageCatcher catcher;

  auto& alle = Alle();
  std::sort(alle.begin(), alle.end(), [](const auto& a, const auto& b) { return a.navn < b.navn; });
  int fejl = 0;
  for (const Skaermbillede& s : alle) {
    QPointer<QWidget> w = s.lav();
    if (!w) {
      std::fprintf(stderr, "vesparo_screenshots: %s gav intet vindue\n", qPrintable(s.navn));
      ++fejl;
      continue;
    }
    QWidget* vindue = w->window();
    (void)QTest::qWaitForWindowExposed(vindue);
    QTest::qWait(50);  // deferred work: layouts, the first paint, timers of zero
    const QString fil = ud.filePath(s.navn + QStringLiteral(".png"));
    if (!vindue->grab().save(fil)) {
      std::fprintf(stderr, "vesparo_screenshots: kan ikke skrive %s\n", qPrintable(fil));
      ++fejl;
    } else {
      std::printf("%s\n", qPrintable(fil));
    }
    if (vindue != Hovedvindue()) vindue->close();
  }
  delete Hovedvindue();
  return fejl ? 1 : 0;
}
