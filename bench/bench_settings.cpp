// The settings read that the main window does in every recalculation, that is for every
// scroll notification while a thumb is dragged: LaesKalibrering and its conversion to
// double. Target: under 5 µs. For comparison, the same read through a fresh QSettings
// object, which is what "read afresh" costs without the store's kept copy.
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <thread>

#include <sys/stat.h>

namespace {

// A configuration folder of the benchmark's own, never the user's.
struct Folder {
  QTemporaryDir dir;
  Folder() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path())); }
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

void Store(std::int16_t value) {
  TheFolder();
  if (!vesparo::GemKalibrering(value)) std::abort();
}

// The ordinary case: a value stored some time ago. The store trusts its kept copy only for
// a file whose change time lies two seconds back, so wait that long after writing.
void BM_LaesKalibreringTilDouble(benchmark::State& state) {
  Store(5669);
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  const QLocale locale = QLocale::system();
  for (auto _ : state) {
    const auto c = vesparo::TilDouble(vesparo::LaesKalibrering(), locale);
    benchmark::DoNotOptimize(c.vaerdi);
  }
}
BENCHMARK(BM_LaesKalibreringTilDouble);

// As the main window calls it, with the locale looked up at every call.
void BM_LaesKalibreringTilDouble_SystemLocale(benchmark::State& state) {
  for (auto _ : state) {
    const auto c = vesparo::TilDouble(vesparo::LaesKalibrering());
    benchmark::DoNotOptimize(c.vaerdi);
  }
}
BENCHMARK(BM_LaesKalibreringTilDouble_SystemLocale);

// Within two seconds of a write every read opens and parses the file again.
void BM_LaesKalibreringTilDouble_LigeSkrevet(benchmark::State& state) {
  Store(5670);
  for (auto _ : state) {
    const auto c = vesparo::TilDouble(vesparo::LaesKalibrering());
    benchmark::DoNotOptimize(c.vaerdi);
  }
}
BENCHMARK(BM_LaesKalibreringTilDouble_LigeSkrevet)->Iterations(20000);

// Nothing stored: one failing stat().
void BM_LaesKalibreringTilDouble_IntetGemt(benchmark::State& state) {
  QTemporaryDir empty;
  const QByteArray old = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(empty.path()));
  for (auto _ : state) {
    const auto c = vesparo::TilDouble(vesparo::LaesKalibrering());
    benchmark::DoNotOptimize(c.vaerdi);
  }
  qputenv("XDG_CONFIG_HOME", old);
}
BENCHMARK(BM_LaesKalibreringTilDouble_IntetGemt);

// The floor under any fresh read: one stat() of the settings file.
void BM_BarStat(benchmark::State& state) {
  Store(5669);
  const QByteArray file = QFile::encodeName(vesparo::KalibreringsFil());
  for (auto _ : state) {
    struct stat st {};
    benchmark::DoNotOptimize(::stat(file.constData(), &st));
  }
}
BENCHMARK(BM_BarStat);

// The comparison: a fresh QSettings object per read.
void BM_FriskQSettingsPerLaesning(benchmark::State& state) {
  Store(5669);
  const QString file = vesparo::KalibreringsFil();
  const QLocale locale = QLocale::system();
  for (auto _ : state) {
    QSettings settings(file, QSettings::IniFormat);
    const QString text =
        settings.value(QStringLiteral("Indstillinger/DiameterKalibrering"), "1000").toString();
    const auto c = vesparo::TilDouble(text, locale);
    benchmark::DoNotOptimize(c.vaerdi);
  }
}
BENCHMARK(BM_FriskQSettingsPerLaesning);

// A write, for the record: read, replace, sync, rename.
void BM_GemKalibrering(benchmark::State& state) {
  TheFolder();
  std::int16_t v = 0;
  for (auto _ : state) {
    if (!vesparo::GemKalibrering(v)) std::abort();
    v = static_cast<std::int16_t>((v + 1) % 8001);
  }
}
BENCHMARK(BM_GemKalibrering)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
