// The statistics window's work: a slot's return, credit and wins worked out
// from a million records in memory (the goal: ready within 300 ms), and
// the whole reading of the desktop history the window does, from a file of
// 100 000 records. The records are real ones, played by the headless
// machine under autoplay, so the mix of kinds is the game's.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <vector>

#include "platform/headless/headless_machine.h"
#include "platform/qt/sqlite_history.h"
#include "records/play_statistics.h"

namespace {

using namespace quov;

const std::vector<GameRecord>& playedRecords() {
  static const std::vector<GameRecord> records = [] {
    HeadlessMachine machine(31);
    machine.platform.store.write("quovslot", "player1", "bank", "100000000");
    machine.platform.sound.recording = false;
    machine.start();
    machine.advance(100);
    machine.click(machine.quov.autoplayon);
    while (machine.platform.history.count() < 20000 && machine.quov.autoplaymode != 0)
      machine.advance(10000);
    const MemoryHistory::Records& kept = machine.platform.history.records;
    return std::vector<GameRecord>(kept.begin(), kept.end());
  }();
  return records;
}

// A history of `n` records, the played ones over and over.
std::vector<GameRecord> history(std::size_t n) {
  const auto& played = playedRecords();
  std::vector<GameRecord> h;
  h.reserve(n);
  for (std::size_t i = 0; i < n; ++i) h.push_back(played[i % played.size()]);
  return h;
}

// Items are records.
void BM_StatisticsOfAMillionRecords(benchmark::State& state) {
  const std::vector<GameRecord> records = history(1000000);
  for (auto _ : state) {
    PlayStatisticsBuilder builder(1, 4);
    for (const GameRecord& r : records) builder.add(r);
    const PlayStatistics s = builder.result();
    benchmark::DoNotOptimize(s.last.measured);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}
BENCHMARK(BM_StatisticsOfAMillionRecords)->Unit(benchmark::kMillisecond)->MinTime(2);

// What the window does: every record read from the file and counted.
void BM_StatisticsFromTheDesktopHistory(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/history.sqlite";
  constexpr std::size_t kRecords = 100000;
  {
    SqliteHistory h(path);
    for (GameRecord r : history(kRecords)) h.append(r);
  }
  for (auto _ : state) {
    SqliteHistory h(path, SqliteHistory::Use::Check);
    benchmark::DoNotOptimize(playStatistics(h, 1, 4).last.measured);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRecords));
}
BENCHMARK(BM_StatisticsFromTheDesktopHistory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
