// The desktop history's costs: appending one record (one transaction in the
// WAL database, on the thread that plays), reading it all back for the
// options screen's meters, and the size of the file after a million
// records. The records are real ones, played by the headless
// machine under autoplay, so the mix of kinds and paying lines is the game's.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "desktop/sqlite_history.h"
#include "played_records.h"
#include "records/history_meters.h"

namespace {

using namespace quov;
using quov::bench::playedRecords;

// One append, as the game makes it after every outcome; beside the mean,
// the 99th and 99.9th percentiles, the slowest, and how many took over a
// millisecond (on a loaded machine the scheduler alone makes a few slow).
void BM_AppendRecord(benchmark::State& state) {
  const auto& records = playedRecords();
  QTemporaryDir dir;
  SqliteHistory history(dir.path() + "/history.sqlite");
  std::size_t i = 0;
  std::vector<double> us;
  us.reserve(static_cast<std::size_t>(state.max_iterations));
  for (auto _ : state) {
    GameRecord r = records[i++ % records.size()];
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(history.append(r));
    us.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(us.begin(), us.end());
  state.counters["p50_us"] = us[us.size() / 2];
  state.counters["p99_us"] = us[us.size() * 99 / 100];
  state.counters["p999_us"] = us[us.size() * 999 / 1000];
  state.counters["slowest_us"] = us.back();
  state.counters["over_1ms"] =
      static_cast<double>(us.end() - std::upper_bound(us.begin(), us.end(), 1000.0));
}
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// The options screen's first look at the history: every record read back
// and counted on the meters of its slot, from a file of 100 000 records.
// Items are records.
void BM_FirstReadingOfTheMeters(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/history.sqlite";
  constexpr int kRecords = 100000;
  quov::bench::writeHistoryFile(path, kRecords);
  for (auto _ : state) {
    SqliteHistory history(path);
    HistoryMeters meters(history);
    benchmark::DoNotOptimize(meters.ofSlot(1).games);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FirstReadingOfTheMeters)->Unit(benchmark::kMillisecond)->Iterations(3);

// A million records appended one transaction each: the log's largest size
// while they are written and its size before the history closes, then the
// sizes of both files once closing has folded the log into the database.
void BM_SizeAfterAMillionRecords(benchmark::State& state) {
  const auto& records = playedRecords();
  for (auto _ : state) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/history.sqlite";
    const QString log = path + "-wal";
    double largestLog = 0, openLog = 0;
    {
      SqliteHistory history(path);
      for (int i = 0; i < 1000000; ++i) {
        GameRecord r = records[static_cast<std::size_t>(i) % records.size()];
        history.append(r);
        if (i % 1000 == 0)
          largestLog = std::max(largestLog, static_cast<double>(QFileInfo(log).size()));
      }
      openLog = static_cast<double>(QFileInfo(log).size());
    }
    const double bytes = static_cast<double>(QFileInfo(path).size());
    state.counters["file_MB"] = bytes / 1e6;
    state.counters["bytes_per_record"] = bytes / 1000000;
    state.counters["largest_log_MB"] = std::max(largestLog, openLog) / 1e6;
    state.counters["log_before_close_MB"] = openLog / 1e6;
    state.counters["log_after_close_MB"] = static_cast<double>(QFileInfo(log).size()) / 1e6;
  }
}
BENCHMARK(BM_SizeAfterAMillionRecords)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
