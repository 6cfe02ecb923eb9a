// Writes a game history as autoplay makes it: a headless machine plays
// GAMES autoplay presses at payout setting PAYOUT (credit put in when it
// runs low) and every record it keeps is written to the SQLite history at
// PATH, as the desktop game writes its own.
//   quov_autoplay_history PATH GAMES [PAYOUT [SEED]]
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cabinet/controls.h"
#include "desktop/sqlite_history.h"
#include "headless/headless_machine.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quov_autoplay_history PATH GAMES [PAYOUT [SEED]]\n");
    return 2;
  }
  QCoreApplication app(argc, argv);
  const int games = std::atoi(argv[2]);
  const std::string payout = argc > 3 ? argv[3] : "4";
  const std::uint64_t seed = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 2026;

  quov::HeadlessMachine machine(seed);
  quov::Quov& q = machine.quov;
  quov::Modquov& m = machine.mod;
  machine.platform.store.write("quovslot", "player1", "machinepay", payout);
  machine.platform.sound.recording = false;
  machine.platform.store.recordWrites = false;
  machine.start();
  machine.advance(100);
  auto insertIfLow = [&] {
    while (m.bank < 500) {
      machine.cabinet.controls().coinsin_mousedown();
      machine.cabinet.controls().coinsin_mouseup();
    }
  };
  int presses = 0;
  q.tmrautospin.onTick = [&, press = q.tmrautospin.onTick] {
    if (q.autoplaymode >= 1 && q.idleticks >= q.autopause && !machine.jackpotTime()) {
      if (presses >= games) return;
      ++presses;
      insertIfLow();
    }
    press();
  };
  insertIfLow();
  machine.click(q.autoplayon);
  while (presses < games) {
    machine.advance(10000);
    machine.keepAutoplaying(insertIfLow);
  }
  machine.click(q.autoplayon);  // off
  machine.settle();

  quov::SqliteHistory history(QString::fromLocal8Bit(argv[1]), quov::SqliteHistory::Use::Play);
  std::int64_t written = 0;
  machine.platform.history.forEach([&](const quov::GameRecord& r) {
    quov::GameRecord copy = r;
    written += history.append(copy) != 0;
  });
  history.finishWriting();
  std::printf("%lld records of %d presses written\n", static_cast<long long>(written), presses);
  return written > 0 ? 0 : 1;
}
