// Speed of the PAR tool: the exact sheet of every line count, and whole
// presses simulated per second on one thread and on two; and of the
// expected returns the options screen shows, from the same rules.
#include <benchmark/benchmark.h>

#include "rules/expected_return.h"
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

// The options screen's table of expected returns, every payout setting and
// line count, exact parts and free-spin estimates, on one core: what the
// build works out once for the game.
void BM_ExpectedReturnTable(benchmark::State& state) {
  for (auto _ : state) {
    const ReturnTable table;
    benchmark::DoNotOptimize(table.all());
    benchmark::DoNotOptimize(table.at(4, 25, 1)->free);
  }
}
BENCHMARK(BM_ExpectedReturnTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// One setting's estimate, as the options screen waits for it when nothing
// worked it out before: payout 4 on 25 lines.
void BM_ExpectedReturnOneSetting(benchmark::State& state) {
  for (auto _ : state) {
    const ReturnTable table;
    benchmark::DoNotOptimize(table.at(4, 25, 1)->free);
  }
}
BENCHMARK(BM_ExpectedReturnOneSetting)->Unit(benchmark::kMillisecond)->Iterations(5);

// Whole presses on one thread: 25 lines, every feature, throttle at the
// argument's payout setting, meters growing. Items are presses.
void BM_SimulatedPressesOneThread(benchmark::State& state) {
  const PressSetting setting{static_cast<int>(state.range(0)), 25, 1, true};
  std::uint64_t chunk = 0, presses = 0;
  for (auto _ : state) {
    const Tally t = playChunk(setting, 1, chunk++, kChunkPresses);
    benchmark::DoNotOptimize(t.sum[WithoutJackpots]);
    presses += t.presses;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(presses));
}
BENCHMARK(BM_SimulatedPressesOneThread)->Arg(4)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

// A whole run on the argument's number of threads, payout 4: the scaling.
// The processor time is the whole process's, every thread's together.
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
BENCHMARK(BM_SimulateRunThreads)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
