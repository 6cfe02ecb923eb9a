#include "app/chart_command.h"

#include <QApplication>
#include <QChart>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/app_identity.h"
#include "desktop/qt_settings_store.h"
#include "desktop/sqlite_history.h"
#include "desktop/statistics_charts.h"
#include "records/player_records.h"

namespace quov {

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: quov --chart return|credit|wins FILE [--slot N]\n"
               "Try 'quov --help' for the options.\n");
  return 2;
}

// The slot's payout setting as its records keep it; 4, as a new slot
// starts, when they keep none.
int payoutOf(int slot) {
  QtSettingsStore store;
  std::int16_t machinepay = 0;
  readNumber(store, "quovslot", "player" + std::to_string(slot), "machinepay", machinepay);
  return machinepay == 1 || machinepay == 3 ? machinepay : 4;
}

}  // namespace

int runChartCommand(int argc, char** argv) {
  if (argc != 4 && argc != 6) return usage();
  const std::optional<ChartKind> kind = chartKindNamed(argv[2]);
  if (!kind) return usage();
  const QString file = QString::fromLocal8Bit(argv[3]);
  int slot = 1;
  if (argc == 6) {
    if (std::string(argv[4]) != "--slot") return usage();
    char* end = nullptr;
    const long n = std::strtol(argv[5], &end, 10);
    if (*end != '\0' || n < 1 || n > 6) return usage();
    slot = static_cast<int>(n);
  }
  // Drawing needs a graphics system, never a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(kAppId));

  SqliteHistory history(SqliteHistory::defaultPath(), SqliteHistory::Use::Check);
  if (!history.isOpen()) {
    std::fprintf(stderr, "quov: cannot open the history %s: %s\n", qPrintable(history.path()),
                 history.error().c_str());
    return 1;
  }
  const PlayStatistics s = playStatistics(history, slot, payoutOf(slot));
  const auto chart = makeChart(*kind, s);
  if (!writeChart(*chart, chartWords(*kind, s), file)) {
    std::fprintf(stderr, "quov: cannot write %s\n", qPrintable(file));
    return 1;
  }
  const IntegrityMeters& m = s.meters;
  std::printf("slot %d, payout setting %d\n", slot, s.machinepay);
  std::printf("money in %lld, money played %lld, money won %lld, jackpots paid %lld, games %lld\n",
              static_cast<long long>(m.moneyIn), static_cast<long long>(m.moneyPlayed),
              static_cast<long long>(m.moneyWon), static_cast<long long>(m.jackpotsPaid),
              static_cast<long long>(m.games));
  if (m.games > 0) {
    std::printf("measured return %.2f%%\n", 100 * s.last.measuredWithJackpots);
    std::printf("expected return %.2f%%, without jackpots %.2f%% (range of chance %.2f%% to %.2f%%)\n",
                100 * s.last.expectedWithJackpots, 100 * s.last.expected, 100 * s.last.bandLow,
                100 * s.last.bandHigh);
  }
  std::printf("%s\n", qPrintable(chartWords(*kind, s)));
  return 0;
}

}  // namespace quov
