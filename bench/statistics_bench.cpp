// The statistics window's work: a slot's return, credit and wins worked out
// from a million records in memory, and the whole path the window takes
// from a desktop history file of a million records (with the summaries the
// game keeps beside them) to the three charts' figures (the goal: ready
// within 300 ms), beside the same figures from a reading of every column
// of every record, as the export reads them, and the one-time building of
// the summaries for a file written without them. The
// records are real ones, played by the headless machine under autoplay, so
// the mix of kinds is the game's.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "desktop/sqlite_history.h"
#include "played_records.h"
#include "records/play_statistics.h"

namespace {

using namespace quov;

constexpr std::size_t kMillion = 1000000;

// Items are records.
void BM_StatisticsOfAMillionRecords(benchmark::State& state) {
  const std::vector<GameRecord> records = quov::bench::repeatedRecords(kMillion);
  for (auto _ : state) {
    PlayStatisticsBuilder builder(1, 4);
    for (const GameRecord& r : records) builder.add(r);
    const PlayStatistics s = builder.result();
    benchmark::DoNotOptimize(s.last.measured);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}
BENCHMARK(BM_StatisticsOfAMillionRecords)->Unit(benchmark::kMillisecond)->MinTime(2);

// A history file of a million records, written once for the benchmarks
// below and kept until the program ends.
const QString& millionRecordFile() {
  static const auto dir = std::make_unique<QTemporaryDir>();
  static const QString path = [] {
    const QString p = dir->path() + "/history.sqlite";
    quov::bench::writeHistoryFile(p, kMillion);
    return p;
  }();
  return path;
}

// What the window does: the file opened for reading, the money of the
// slot's records read and counted, the charts' figures made. Items are
// records.
void BM_ChartsFromAMillionRecordFile(benchmark::State& state) {
  const QString& path = millionRecordFile();
  for (auto _ : state) {
    SqliteHistory h(path, SqliteHistory::Use::Check);
    const PlayStatistics s = playStatistics(h, 1, 4);
    benchmark::DoNotOptimize(s.last.measured);
    if (s.meters.games == 0) state.SkipWithError("no games read");
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMillion));
}
BENCHMARK(BM_ChartsFromAMillionRecordFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The first start of a game that keeps summaries on a million-record file
// written without them: the summaries built from the records, once, in
// one transaction. The time is the history's opening.
void BM_SummariesBuiltAtTheFirstStart(benchmark::State& state) {
  const QString& path = millionRecordFile();
  QTemporaryDir dir;
  const QString copy = dir.path() + "/history.sqlite";
  for (auto _ : state) {
    state.PauseTiming();
    QFile::remove(copy);
    QFile::copy(path, copy);
    sqlite3* db = nullptr;
    sqlite3_open(copy.toUtf8().constData(), &db);
    sqlite3_exec(db, "DROP TABLE summary; PRAGMA user_version = 0", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    state.ResumeTiming();
    auto history = std::make_unique<SqliteHistory>(copy);
    state.PauseTiming();
    if (!history->storedSummaries()) state.SkipWithError("no summaries built");
    history.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SummariesBuiltAtTheFirstStart)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same figures from every column of every record, lists and all.
void BM_ChartsFromEveryColumnOfAMillionRecordFile(benchmark::State& state) {
  const QString& path = millionRecordFile();
  for (auto _ : state) {
    SqliteHistory h(path, SqliteHistory::Use::Check);
    PlayStatisticsBuilder builder(1, 4);
    h.forEach([&](const GameRecord& r) { builder.add(r); });
    benchmark::DoNotOptimize(builder.result().last.measured);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMillion));
}
BENCHMARK(BM_ChartsFromEveryColumnOfAMillionRecordFile)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
