// Speed of the PAR tool: the exact sheet of every line count, and whole
// presses simulated per second on one thread and on two.
#include <benchmark/benchmark.h>

#include "tools/par/exact.h"
#include "tools/par/simulate.h"

namespace {

using namespace quov;
using namespace quov::par;

// The exact base-game sheet of all five line counts, payout 1, on one core.
void BM_ExactSheetAllLineCounts(benchmark::State& state) {
  for (auto _ : state) {
    const auto counts = enumerateBaseGame();
    for (const ExactCounts& c : counts) benchmark::DoNotOptimize(exactSheet(c, 1).rtp);
  }
}
BENCHMARK(BM_ExactSheetAllLineCounts)->Unit(benchmark::kMillisecond);

// Whole presses on one thread: 25 lines, every feature, throttle at the
// argument's payout setting, meters growing. Items are presses.
void BM_SimulatedPressesOneThread(benchmark::State& state) {
  const PressSetting setting{static_cast<int>(state.range(0)), 25, 1, true};
  std::uint64_t chunk = 0, presses = 0;
  for (auto _ : state) {
    const Tally t = playChunk(setting, 1, chunk++, kChunkPresses);
    benchmark::DoNotOptimize(t.sum[Total]);
    presses += t.presses;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(presses));
}
BENCHMARK(BM_SimulatedPressesOneThread)->Arg(4)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

// A whole run on the argument's number of threads, payout 4: the scaling.
void BM_SimulateRunThreads(benchmark::State& state) {
  SimulationOptions o;
  o.setting = {4, 25, 1, true};
  o.presses = 16 * kChunkPresses;
  o.threads = static_cast<int>(state.range(0));
  std::uint64_t presses = 0;
  for (auto _ : state) {
    const SimulationResult r = simulate(o);
    benchmark::DoNotOptimize(r.parts[Total].rtp);
    presses += r.tally.presses;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(presses));
}
BENCHMARK(BM_SimulateRunThreads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
