// The desktop slot machine: one window showing the cabinet.
#include <QApplication>
#include <cstdio>

#include "app/chart_command.h"
#include "app/command_line.h"
#include "app/history_command.h"
#include "desktop/app_identity.h"
#include "desktop/desktop_machine.h"

#ifdef QUOV_TEST_HOOKS
#include <QStringList>

namespace {

// Test builds only: every outcome drawn, and every outcome booked (and so
// already in the history), is announced on the error output, so a test that
// kills the game knows play has begun and what the history must hold.
class AnnouncedEvents : public quov::GameEvents {
 public:
  explicit AnnouncedEvents(quov::GameEvents& inner) : inner_(inner) {}
  void outcomeDrawn() override {
    inner_.outcomeDrawn();
    std::fputs("quov-test: outcome drawn\n", stderr);
  }
  void outcomeVoided() override { inner_.outcomeVoided(); }
  void outcomeBooked(const quov::SpinOutcome& outcome) override {
    inner_.outcomeBooked(outcome);
    std::fputs("quov-test: outcome booked\n", stderr);
  }
  void seriesCollected() override { inner_.seriesCollected(); }
  void jackpotStarted() override { inner_.jackpotStarted(); }
  void jackpotPaid() override { inner_.jackpotPaid(); }
  void gambleOpening(std::int32_t stake) override { inner_.gambleOpening(stake); }
  void gambleBet(const quov::GambleBetResult& bet) override { inner_.gambleBet(bet); }
  void gambleCollected(std::int32_t collected) override { inner_.gambleCollected(collected); }
  void creditInserted(std::int32_t cents) override { inner_.creditInserted(cents); }
  void noMoney() override { inner_.noMoney(); }

 private:
  quov::GameEvents& inner_;
};

// Test builds only: forced draws from QUOV_TEST_DRAWS ("2,22,8,17,1,1"), handed
// out before the generator's own.
void pushTestDraws(quov::ScriptedRandom& random) {
  const QStringList values =
      qEnvironmentVariable("QUOV_TEST_DRAWS").split(u',', Qt::SkipEmptyParts);
  for (const QString& v : values) {
    bool ok = false;
    const int draw = v.trimmed().toInt(&ok);
    if (ok) random.push(draw);
  }
}

// Test builds only: QUOV_TEST_LOSSES losing spins already counted towards
// the offer, so a test reaches it without playing them all.
void countTestLosses(quov::Modquov& m) {
  bool ok = false;
  const int losses = qEnvironmentVariableIntValue("QUOV_TEST_LOSSES", &ok);
  if (ok && losses >= 0 && losses < 25) m.popupcount = static_cast<std::int16_t>(losses);
}
}  // namespace
#endif

int main(int argc, char** argv) {
  // The command line is read before any window system is touched, so help,
  // the version and a wrong option need no display.
  const quov::CommandLine line = quov::readCommandLine(argc, argv);
  switch (line.command) {
    case quov::Command::Help:
      std::fputs(quov::helpText(), stdout);
      return 0;
    case quov::Command::Version:
      std::printf("%s\n", quov::versionText().c_str());
      return 0;
    case quov::Command::Wrong:
      std::fprintf(stderr, "quov: %s\nTry 'quov --help' for the options.\n",
                   line.wrong.c_str());
      return 2;
    case quov::Command::History:
      return quov::runHistoryCommand(argc, argv);
    case quov::Command::Chart:
      return quov::runChartCommand(argc, argv);
    case quov::Command::Play:
      break;
  }
  QApplication app(argc, argv);
  quov::presentToDesktop();
  // The game ends only through its own shut-down, never because a window hid.
  QApplication::setQuitOnLastWindowClosed(false);
  quov::DesktopMachine machine;
#ifdef QUOV_TEST_HOOKS
  pushTestDraws(machine.random);
  AnnouncedEvents announced(*machine.quov.events);
  machine.quov.events = &announced;
#endif
  machine.start();
#ifdef QUOV_TEST_HOOKS
  countTestLosses(machine.mod);
#endif
  return QApplication::exec();
}
