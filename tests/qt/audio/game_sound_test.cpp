// The desktop game played with forced draws while the test's audio server
// records: what a player hears at the play sites, through a free-spin
// series, and with sound switched off.
#include <gtest/gtest.h>

#include "cabinet/startup.h"
#include "engine/spin_cycle.h"
#include "tests/engine/outcomes.h"
#include "tests/qt/audio/monitor_recorder.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using testing::Outcome;
using testing::Stops;

constexpr int kSeriesLimitMs = 10 * 60 * 1000;  // only a broken game takes this long

class GameSound : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(recorder.running());
  }
  // A started game with plenty of credit; every winning outcome stands.
  void startGame(bool soundOn) {
    writeIni("quovslot", QByteArray("[player1]\nbank=100000\nmachinepay=1\nreelspeed=1\nsoundonoff=") +
                             (soundOn ? "-1" : "0") + "\n");
    start();
    QTest::qWait(200);  // the idle ticker allows input
  }
  Quov& q() { return machine->quov; }
  void pushStops(const Stops& s) {
    for (int v : s) machine->random.push(v);
  }
  // A spin press with forced stops (no jackpot time); returns when it was made.
  Clock::time_point spin(const Stops& s) {
    machine->random.push(2);
    pushStops(s);
    const auto at = Clock::now();
    machine->cabinet.engine.spinCycle().btnstartall_click();
    return at;
  }
  void quiet() { ASSERT_TRUE(recorder.waitForSilence(milliseconds(400))); }
  void recordUntil(Clock::time_point t) {
    while (Clock::now() < t) QTest::qWait(20);
    ASSERT_TRUE(recorder.waitFor(t));
  }
  static Stops stopsWhere(const std::function<bool(const Outcome&)>& want) {
    return *testing::findStops(25, want);
  }

  MonitorRecorder recorder;
};

// The reels stop while the user-interface thread sleeps between frames:
// the spin's whirr and every reel's thud must still be heard.
TEST_F(GameSound, AnOrdinarySpinWhirrsAndEveryReelThuds) {
  startGame(true);
  quiet();
  // No scatter: a scatter's chime would run on into the next reel's thud.
  const auto pressed = spin(stopsWhere(
      [](const Outcome& o) { return testing::losing(o) && o.readout.scattercount == 0; }));
  const auto settled = Clock::now();
  recordUntil(settled + milliseconds(500));
  const auto span = recorder.heard(pressed, settled + milliseconds(500));
  ASSERT_TRUE(span.heard);
  EXPECT_LT(span.first - pressed, milliseconds(300)) << "the whirr starts with the press";
  // The whirr runs into the first reel's thud; the other four stand apart.
  EXPECT_GE(recorder.bursts(pressed, settled + milliseconds(500), milliseconds(30)), 5);
}

TEST_F(GameSound, TheBetAndLineButtonsClick) {
  startGame(true);
  quiet();
  const auto bet = Clock::now();
  click(q().btnbet);
  recordUntil(bet + milliseconds(600));
  const auto span = recorder.heard(bet, bet + milliseconds(600));
  ASSERT_TRUE(span.heard);
  EXPECT_LT(span.seconds(), 0.4) << "a short click (a starved machine may stretch it a little)";
}

// A series of ten free spins: the tune plays under all of them and stops
// when the total is collected (the collect fanfare sounds on its own).
TEST_F(GameSound, TheTunePlaysThroughAFreeSpinSeriesAndStopsOnCollect) {
  startGame(true);
  quiet();
  const Stops lose = stopsWhere(testing::losing);
  const Stops trigger = stopsWhere(
      [](const Outcome& o) { return o.readout.scattercount == 3 && testing::noWild(o); });
  spin(trigger);
  for (int k = 0; k < 10; ++k) {
    pushStops(lose);
    machine->random.push({25, 1});  // the multiplier and payout draws
  }
  ASSERT_EQ(q().freespinmode, -1);
  Clock::time_point firstFreeSpin{};
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        if (firstFreeSpin == Clock::time_point{} && q().freespinsplayed > 1) firstFreeSpin = Clock::now();
        return q().takewin.visible && q().takewin.enabled;
      },
      kSeriesLimitMs));
  const auto seriesEnd = Clock::now();
  ASSERT_TRUE(recorder.waitFor(seriesEnd));
  ASSERT_NE(firstFreeSpin, Clock::time_point{});
  EXPECT_EQ(machine->random.pending(), 0u) << "the ten free spins ran";
  EXPECT_GT(recorder.soundingShare(firstFreeSpin, seriesEnd, milliseconds(250)), 0.95)
      << "the tune sounds through the series";

  const auto collect = Clock::now();
  click(q().takewin);
  recordUntil(collect + seconds(9));
  EXPECT_TRUE(recorder.heard(collect, collect + seconds(1)).heard) << "the collect fanfare";
  // The fanfare lasts 5.87 s; after it the tune must be gone too.
  EXPECT_FALSE(recorder.heard(collect + seconds(7), collect + seconds(9)).heard);
}

TEST_F(GameSound, WithSoundOffOnlyTheExitClicks) {
  startGame(false);
  quiet();
  const auto begin = Clock::now();
  spin(stopsWhere(testing::plainLineWin));  // a win clip's play site
  click(q().btnbet);
  click(q().payline);
  QTest::qWait(3000);  // the win rolls up
  machine->random.push(2);
  pushStops(stopsWhere(testing::losing));
  click(q().btnspin);
  QTest::qWait(500);
  const auto exit = Clock::now();
  machine->cabinet.startup().xit_click();
  machine.reset();  // the program ends: the exit click is let finish
  recordUntil(exit + seconds(1));
  EXPECT_EQ(machine, nullptr);
  // Samples are dated back from when their block arrived, so the click's
  // first block may reach a little before the request: leave a margin.
  EXPECT_FALSE(recorder.heard(begin, exit - milliseconds(300)).heard) << "silence while playing";
  const auto span = recorder.heard(exit, exit + seconds(1));
  ASSERT_TRUE(span.heard) << "the exit click sounds anyway";
  EXPECT_LT(span.seconds(), 0.4) << "a short click (a starved machine may stretch it a little)";
}

// Switching sound off lets a win's clip play to its end; new requests are
// silent.
TEST_F(GameSound, SwitchingSoundOffStopsNothingThatPlays) {
  startGame(true);
  quiet();
  // A win of 751 to 2000 cents: the 5-second fanfare.
  const Stops bigWin = stopsWhere([](const Outcome& o) {
    return o.lineWin > 750 && o.lineWin <= 2000 && o.readout.scattercount < 2 && testing::noWild(o);
  });
  const auto pressed = spin(bigWin);
  machine->mod.soundonoff = 0;  // as the options screen switches it
  const auto off = Clock::now();
  click(q().btnbet);  // would replace the fanfare with a click if sound were on
  recordUntil(off + seconds(7));
  const auto span = recorder.heard(off, off + seconds(7));
  ASSERT_TRUE(span.heard);
  EXPECT_GT(span.last - pressed, milliseconds(4500)) << "the fanfare plays to its end";
}

}  // namespace
}  // namespace quov::test
