#include "app/history_command.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

#include "desktop/app_identity.h"
#include "desktop/qt_settings_store.h"
#include "desktop/sqlite_history.h"
#include "records/history_blocks.h"
#include "records/history_export.h"
#include "records/history_ledger.h"
#include "records/player_records.h"

namespace quov {

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: quov --export csv|json FILE\n"
               "       quov --check-history\n"
               "Try 'quov --help' for the options.\n");
  return 2;
}

SqliteHistory* openHistory(SqliteHistory& h) {
  if (h.isOpen()) return &h;
  std::fprintf(stderr, "quov: cannot open the history %s: %s\n", qPrintable(h.path()),
               h.error().c_str());
  return nullptr;
}

int exportHistory(ExportFormat format, const std::string& file) {
  SqliteHistory history(SqliteHistory::defaultPath(), SqliteHistory::Use::Check);
  if (!openHistory(history)) return 1;
  std::ofstream out;
  std::ostream* stream = &std::cout;
  if (file != "-") {
    out.open(file, std::ios::binary | std::ios::trunc);
    if (!out) {
      std::fprintf(stderr, "quov: cannot write %s\n", file.c_str());
      return 1;
    }
    stream = &out;
  }
  const std::int64_t n = writeHistory(history, format, *stream);
  stream->flush();
  if (!*stream) {
    std::fprintf(stderr, "quov: writing %s failed\n", file.c_str());
    return 1;
  }
  if (history.damagedRows() > 0)
    std::fprintf(stderr, "quov: %lld damaged records left out\n",
                 static_cast<long long>(history.damagedRows()));
  std::fprintf(stderr, "quov: %lld records written\n", static_cast<long long>(n));
  return 0;
}

// The records the game history missed, as each slot keeps them: -1 when a
// slot's count cannot be read.
std::int64_t missedRecords() {
  QtSettingsStore store;
  std::int64_t missed = 0;
  for (int slot = 1; slot <= 6; ++slot) {
    const std::optional<std::int64_t> n = readMissed(store, slot);
    if (!n) return -1;
    missed += *n;
  }
  return missed;
}

int checkHistory() {
  // Read only: a history that is not there is reported, never created.
  SqliteHistory history(SqliteHistory::defaultPath(), SqliteHistory::Use::Check);
  if (!openHistory(history)) return 1;
  const std::string integrity = history.integrityCheck();
  LedgerCheck check;
  IntegrityMeters meters;
  // The summaries the game keeps beside the records must be those of the
  // records they have taken in.
  const auto summaries = history.storedSummaries();
  BlockSummaries rebuilt;
  history.forEach([&](const GameRecord& r) {
    check.add(r);
    meters.add(r);
    if (summaries && r.id <= summaries->summarizedTo) rebuilt.add(moneyOf(r));
  });
  const std::int64_t disagreeing =
      summaries ? summaries->unreadable + disagreeingBlocks(summaries->blocks, rebuilt.blocks()) : 0;
  const LedgerReport& r = check.report();
  std::printf("history %s\nfile check: %s\nrecords %lld, damaged %lld\n",
              qPrintable(history.path()), integrity.c_str(), static_cast<long long>(r.records),
              static_cast<long long>(history.damagedRows()));
  std::printf("unbalanced %lld, breaks %lld, series %lld, wins %lld, gambles %lld\n",
              static_cast<long long>(r.unbalanced), static_cast<long long>(r.breaks),
              static_cast<long long>(r.badSeries), static_cast<long long>(r.badWins),
              static_cast<long long>(r.badGambles));
  std::printf("money in %lld, money played %lld, money won %lld, jackpots paid %lld, games %lld\n",
              static_cast<long long>(meters.moneyIn), static_cast<long long>(meters.moneyPlayed),
              static_cast<long long>(meters.moneyWon), static_cast<long long>(meters.jackpotsPaid),
              static_cast<long long>(meters.games));
  if (const auto rtp = meters.measuredReturn()) std::printf("measured return %.2f%%\n", *rtp);
  if (summaries)
    std::printf("summaries %lld, disagreeing with the records %lld\n",
                static_cast<long long>(summaries->blocks.size() + static_cast<std::size_t>(summaries->unreadable)),
                static_cast<long long>(disagreeing));
  else
    std::printf("summaries: none yet (the game makes them at its next start)\n");
  // Breaks are where the credit changed outside play (another player chosen,
  // details deleted, a stored credit behind the history after a kill); the
  // books of each record must balance all the same.
  const std::int64_t missed = missedRecords();
  if (missed < 0)
    std::printf("records missed by the history: unreadable in the records\n");
  else
    std::printf("records missed by the history: %lld\n", static_cast<long long>(missed));
  const bool sound = integrity == "ok" && history.damagedRows() == 0 && r.unbalanced == 0 &&
                     r.badSeries == 0 && r.badWins == 0 && r.badGambles == 0 && missed == 0 && disagreeing == 0;
  std::printf("%s\n", sound ? "sound" : "FAULTS FOUND");
  return sound ? 0 : 1;
}

}  // namespace

int runHistoryCommand(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string_view command = argv[1];
  if (command != "--export" && command != "--check-history") return usage();
  QCoreApplication app(argc, argv);
  // The game's own name, so the history is the one the game keeps.
  QCoreApplication::setApplicationName(QString::fromLatin1(kAppId));
  if (command == "--check-history") return argc == 2 ? checkHistory() : usage();
  if (argc != 4) return usage();
  const auto format = exportFormat(argv[2]);
  if (!format) return usage();
  return exportHistory(*format, argv[3]);
}

}  // namespace quov
