// The session's end is a close request: a caught signal only wakes the event
// loop, which then runs the machine's shut-down (records saved, tune file
// gone); the records are written once more when the event loop has returned.
#include <csignal>

#include <QElapsedTimer>
#include <QFileInfo>

#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class SessionEndTest : public DesktopTest {
 protected:
  // Runs the event loop until the machine has ended; false when it did not
  // within a deadline generous enough for a loaded machine.
  bool runUntilEnded() {
    QElapsedTimer t;
    t.start();
    while (!machine->loop.ended()) {
      if (t.elapsed() > 10000) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
  }
  QString tuneFile() const {
    return QString::fromStdString(machine->cabinet.sounds.musicFolder) + "/quovspin.midi";
  }
};

TEST_F(SessionEndTest, EachSignalRunsTheShutDownFromTheEventLoop) {
  for (const int signal : SessionEnd::kSignals) {
    writeIni("quovslot", "[player1]\nbank=5000\n");
    start();
    ASSERT_TRUE(QFileInfo::exists(tuneFile()));
    machine->mod.bank = 4321;
    ASSERT_EQ(std::raise(signal), 0);
    EXPECT_FALSE(machine->loop.ended()) << "the handler itself does nothing but wake the loop";
    ASSERT_TRUE(runUntilEnded()) << "signal " << signal;
    EXPECT_EQ(storedValue("quovslot", "player1/bank"), "4321") << "signal " << signal;
    EXPECT_FALSE(QFileInfo::exists(tuneFile())) << "signal " << signal;
    machine.reset();
  }
}

TEST_F(SessionEndTest, ASignalTheGameWasStartedToIgnoreStaysIgnored) {
  struct sigaction ignore {}, former {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(::sigaction(SIGHUP, &ignore, &former), 0);
  start();
  ASSERT_EQ(std::raise(SIGHUP), 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(machine->loop.ended());
  machine.reset();
  struct sigaction after {};
  ::sigaction(SIGHUP, &former, &after);
  EXPECT_EQ(after.sa_handler, SIG_IGN) << "the former handling is back";
}

TEST_F(SessionEndTest, TheLastSaveFollowsWhatTheInterruptedHandlerDid) {
  writeIni("quovslot", "[player1]\nbank=5000\n");
  start();
  EXPECT_TRUE(machine->canvas.close());
  EXPECT_EQ(storedValue("quovslot", "player1/bank"), "5000");
  machine->mod.bank = 5150;  // the rest of a spin the shut-down came in the middle of
  machine->finish();
  EXPECT_EQ(fileValue("quovslot", "player1/bank"), "5150");
}

}  // namespace
}  // namespace quov::test
