// The model's share of one recalculation, which runs on every scroll notification while a
// thumb is dragged: the loss record, and the sixteen texts written into the result fields
// (three plain echoes of the inputs, thirteen three-decimal figures), Danish separators.
#include "model/loss.h"
#include "model/number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace {

using vesparo::TabResultat;

struct Positions {
  std::int16_t d, b, p;
};

// Random slider positions, as a drag across all three sliders meets them.
const std::array<Positions, 1024>& DragPositions() {
  static const auto positions = [] {
    std::array<Positions, 1024> a{};
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> d(0, 1000), b(0, 100), p(0, 5000);
    for (auto& x : a) {
      x = {static_cast<std::int16_t>(d(rng)), static_cast<std::int16_t>(b(rng)),
           static_cast<std::int16_t>(p(rng))};
    }
    return a;
  }();
  return positions;
}

// The sixteen texts of one recalculation, in the order the fields are written.
void SixteenTexts(const TabResultat& r, std::array<std::string, 16>& out) {
  const auto& da = vesparo::DanskeSeparatorer();
  out[0] = vesparo::TalTilTekst(r.Diameter, da);
  out[1] = vesparo::TalTilTekst(r.Bar, da);
  out[2] = vesparo::TalTilTekst(r.KrPerKubik, da);
  out[3] = vesparo::TreDecimaler(r.Areal, da);
  out[4] = vesparo::TreDecimaler(r.LSek, da);
  out[5] = vesparo::TreDecimaler(r.KrSek, da);
  out[6] = vesparo::TreDecimaler(r.LMin, da);
  out[7] = vesparo::TreDecimaler(r.KrMin, da);
  out[8] = vesparo::TreDecimaler(r.MH, da);
  out[9] = vesparo::TreDecimaler(r.KrH, da);
  out[10] = vesparo::TreDecimaler(r.MD, da);
  out[11] = vesparo::TreDecimaler(r.KrD, da);
  out[12] = vesparo::TreDecimaler(r.MM, da);
  out[13] = vesparo::TreDecimaler(r.KrMd, da);
  out[14] = vesparo::TreDecimaler(r.MAr, da);
  out[15] = vesparo::TreDecimaler(r.KrAr, da);
}

void BM_BeregnTab_StartUp(benchmark::State& state) {
  std::int16_t d = 50, b = 50, p = 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(p);
    TabResultat r = vesparo::BeregnTab(d, b, p);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_BeregnTab_StartUp);

void BM_BeregnTab_Drag(benchmark::State& state) {
  const auto& positions = DragPositions();
  std::size_t i = 0;
  for (auto _ : state) {
    const Positions& x = positions[i++ % positions.size()];
    TabResultat r = vesparo::BeregnTab(x.d, x.b, x.p);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_BeregnTab_Drag);

void BM_SixteenTexts_StartUp(benchmark::State& state) {
  const TabResultat r = vesparo::BeregnTab(50, 50, 1000);
  std::array<std::string, 16> texts;
  for (auto _ : state) {
    SixteenTexts(r, texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_SixteenTexts_StartUp);

void BM_SixteenTexts_Largest(benchmark::State& state) {
  const TabResultat r = vesparo::BeregnTab(1000, 100, 5000);
  std::array<std::string, 16> texts;
  for (auto _ : state) {
    SixteenTexts(r, texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_SixteenTexts_Largest);

// The record and its texts for a new position at every step, the texts in fresh strings as
// the fields receive them.
void BM_Recalculation_Drag(benchmark::State& state) {
  const auto& positions = DragPositions();
  std::size_t i = 0;
  for (auto _ : state) {
    const Positions& x = positions[i++ % positions.size()];
    std::array<std::string, 16> texts;
    SixteenTexts(vesparo::BeregnTab(x.d, x.b, x.p), texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_Recalculation_Drag);

}  // namespace

BENCHMARK_MAIN();
