// The main window's speed figures: one full recalculation (sixteen texts, a settings read,
// the circle), and a drag of 1000 slider steps with the window painted after each step, as
// a user's drag is: once only what the step changed, once the whole window.
#include "ui/main/frm_vesparo_main.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

vesparo::frmVesparoMain& Vindue() {
  static vesparo::frmVesparoMain* vindue = [] {
    auto* w = new vesparo::frmVesparoMain;
    w->show();
    QApplication::processEvents();
    return w;
  }();
  return *vindue;
}

void BM_Beregn(benchmark::State& state) {
  vesparo::frmVesparoMain& w = Vindue();
  for (auto _ : state) w.Beregn();
}
BENCHMARK(BM_Beregn);

void BM_Traek1000TrinMedOptegning(benchmark::State& state) {
  vesparo::frmVesparoMain& w = Vindue();
  QScrollBar* skyder = w.findChild<QScrollBar*>(QStringLiteral("HScrollØ"));
  for (auto _ : state) {
    for (int trin = 0; trin < 1000; ++trin) {
      skyder->setValue(trin);
      // Paint what the step changed, as the event loop does between two mouse moves.
      QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Traek1000TrinMedOptegning)->Unit(benchmark::kMillisecond);

void BM_Traek1000TrinHeleVinduet(benchmark::State& state) {
  vesparo::frmVesparoMain& w = Vindue();
  QScrollBar* skyder = w.findChild<QScrollBar*>(QStringLiteral("HScrollØ"));
  for (auto _ : state) {
    for (int trin = 0; trin < 1000; ++trin) {
      skyder->setValue(trin);
      w.repaint();
    }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Traek1000TrinHeleVinduet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen, Danish separators, and a settings folder of the benchmark's own.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "da_DK.UTF-8");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete &Vindue();
  return 0;
}
