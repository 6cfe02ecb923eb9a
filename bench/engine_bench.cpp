// Speed of the rules and of the whole headless machine, in virtual time.
#include <benchmark/benchmark.h>

#include "cabinet/controls.h"
#include "engine/jackpot.h"
#include "headless/headless_machine.h"
#include "platform/random.h"
#include "rules/paytable.h"
#include "rules/reels.h"

namespace {

using namespace quov;

// Evaluating one outcome on 25 lines: forgetting the last drawing as the
// game does before its reels turn, reading the five reels and paying the
// lines and scatters.
void BM_EvaluateOutcome25Lines(benchmark::State& state) {
  SeededRandom random(1);
  std::array<std::array<int, 5>, 256> stops{};
  for (auto& s : stops)
    for (int& v : s) v = random.draw(22);
  std::size_t i = 0;
  Readout out;
  for (auto _ : state) {
    const auto& s = stops[i++ & 255];
    out.clear();
    // The game reads each reel in a procedure of its own, its reel number
    // fixed: unrolled, the loop makes those five calls. Rolled, it would
    // chain the five counts of the scatters through memory, which the
    // game's reading never does.
#pragma GCC unroll 5
    for (int r = 1; r <= 5; ++r) readReel(out, r, s[r - 1]);
    LineArray winline{}, winlength{};
    std::int32_t win = scatterMultiple(out.scattercount) * 25;
    win += evaluateLines(out.match, 25, 1, winline, winlength);
    // Everything the game reads afterwards counts, not the win alone: the
    // readout's cells and the lines' runs are written, not left out.
    benchmark::DoNotOptimize(win);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(winline);
    benchmark::DoNotOptimize(winlength);
  }
}
BENCHMARK(BM_EvaluateOutcome25Lines);

// Only the line evaluation of a drawn outcome.
void BM_EvaluateLinesOnly(benchmark::State& state) {
  Readout out;
  const int s[5] = {21, 20, 16, 3, 8};
  for (int r = 1; r <= 5; ++r) readReel(out, r, s[r - 1]);
  for (auto _ : state) {
    // The readout counts as new every time, so that the work is not hoisted.
    benchmark::DoNotOptimize(out);
    LineArray winline{}, winlength{};
    benchmark::DoNotOptimize(evaluateLines(out.match, 25, 1, winline, winlength));
    benchmark::DoNotOptimize(winline);
    benchmark::DoNotOptimize(winlength);
  }
}
BENCHMARK(BM_EvaluateLinesOnly);

// One whole spin press, animation and presentation included, in virtual
// time.
void BM_HeadlessSpinPress(benchmark::State& state) {
  HeadlessMachine machine(7);
  machine.platform.store.write("quovslot", "player1", "bank", "2000000000");
  machine.start();
  machine.mod.machinepay = 1;
  machine.platform.sound.recording = false;
  machine.platform.store.recordWrites = false;
  Quov& q = machine.quov;
  for (auto _ : state) {
    // Keep every press an ordinary spin.
    state.PauseTiming();
    q.freespinmode = 0;
    q.freespinsgiven = q.freespinsplayed = 0;
    q.setInputAllowed(true);
    machine.platform.random.push(2);
    state.ResumeTiming();
    machine.pressSpin();
  }
}
BENCHMARK(BM_HeadlessSpinPress);

// Autoplay on the whole machine with every feature live: random draws, the
// payout throttle at 4, free-spin series, jackpot times, line flashing and
// the roll-up, virtual time jumping from timer to timer. One item is one
// autoplay press together with everything it sets going; the items per
// second are presses per second of real time.
void BM_AutoplayPressesAllFeatures(benchmark::State& state) {
  HeadlessMachine machine(11);
  machine.platform.store.write("quovslot", "player1", "bank", "2000000000");
  machine.platform.store.write("quovslot", "player1", "machinepay", "4");
  machine.platform.sound.recording = false;
  machine.platform.store.recordWrites = false;
  machine.start();
  Quov& q = machine.quov;
  std::int64_t presses = 0;
  q.tmrautospin.onTick = [&q, &machine, &presses, press = q.tmrautospin.onTick] {
    if (q.autoplaymode >= 1 && q.idleticks >= q.autopause && !machine.jackpotTime()) ++presses;
    press();
  };
  machine.advance(100);
  machine.cabinet.controls().autoplayon_mousedown();
  for (auto _ : state) {
    const std::int64_t before = presses;
    while (presses == before) {
      machine.advance(1000);
      machine.keepAutoplaying();  // the offer pop-up switches autoplay off
    }
  }
  state.SetItemsProcessed(presses);
  state.counters["virtual_s_per_press"] = benchmark::Counter(
      static_cast<double>(machine.now()) / 1000.0 / static_cast<double>(presses ? presses : 1));
}
BENCHMARK(BM_AutoplayPressesAllFeatures);

}  // namespace
