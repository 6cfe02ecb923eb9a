// The desktop game played with forced draws while the test's audio server
// records: what a player hears at the play sites, through a free-spin
// series, and with sound switched off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cabinet/startup.h"
#include "desktop/qt_resources.h"
#include "desktop/sound/clip_rate.h"
#include "desktop/sound/sound_mixer.h"
#include "engine/spin_cycle.h"
#include "sound/clips.h"
#include "tests/engine/outcomes.h"
#include "tests/qt/audio/monitor_recorder.h"
#include "tests/qt/desktop_fixture.h"
#include "tests/qt/sound_measures.h"

namespace quov::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using testing::Outcome;
using testing::Stops;

constexpr int kSeriesLimitMs = 10 * 60 * 1000;  // only a broken game takes this long
constexpr int kWindowLimitMs = 90 * 1000;        // a loaded machine may take this long

// A clip as the game plays it: at the mix's rate, which is the sink's.
std::vector<float> played(Clip c) {
  const auto pcm = atRate(decodeClip(QtResources().load("WAVE", clipResourceName(c))), SoundMixer::kRate);
  return pcm ? pcm->samples : std::vector<float>{};
}

// A clip's energy as the two-channel recorder measures it (full scale 1, in
// seconds): the same in both channels.
double energyOf(Clip c) {
  double sum = 0;
  for (float v : played(c)) sum += static_cast<double>(v) * v;
  return 2 * sum / MonitorRecorder::kRate;
}

// The strength of `s` in stretches of 10 ms from `from` to `to`.
std::vector<double> strengths(const std::vector<float>& s, std::size_t from, std::size_t to) {
  constexpr std::size_t kStretch = MonitorRecorder::kRate / 100;
  std::vector<double> out;
  for (std::size_t at = from; at + kStretch <= std::min(to, s.size()); at += kStretch) {
    double sum = 0;
    for (std::size_t i = at; i < at + kStretch; ++i) sum += static_cast<double>(s[i]) * s[i];
    out.push_back(std::sqrt(sum / kStretch));
  }
  return out;
}

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
    const auto begin = Clock::now();
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return q().inputAllowed(); }, kWindowLimitMs));
    // The sound is loaded while the cabinet comes up: the welcome is heard
    // once it is, and a test's quiet starts after it.
    if (soundOn) {
      ASSERT_TRUE(hearUntil([&](Clock::time_point now) { return recorder.heard(begin, now).heard; }))
          << "the welcome";
    }
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
  // Lets the game and the recording run until `done(now)` holds for what has
  // reached the recorder by `now`; false only past a bound that no more than
  // a broken game reaches. How soon is the latency measurement's business.
  bool hearUntil(const std::function<bool(Clock::time_point)>& done) {
    for (const auto limit = Clock::now() + seconds(60); Clock::now() < limit;) {
      QTest::qWait(50);
      const auto now = Clock::now();
      if (recorder.waitFor(now) && done(now)) return true;
    }
    return false;
  }
  // When sound heard after `from` has gone quiet for `quiet`; none if it
  // never sounded or never stopped.
  std::optional<Clock::time_point> heardThenQuiet(Clock::time_point from,
                                                  milliseconds quiet = milliseconds(300)) {
    Clock::time_point end;
    const bool ended = hearUntil([&](Clock::time_point now) {
      end = now;
      return recorder.heard(from, now - quiet).heard && !recorder.heard(now - quiet, now).heard;
    });
    return ended ? std::optional(end) : std::nullopt;
  }
  // The game at rest: no reel, roll-up, free spin or jackpot time running.
  bool settled() {
    return q().inputAllowed() && q().tmrtick.enabled() && q().freespinmode == 0 &&
           !q().Timerrespin.enabled() && !q().Timerwincounter.enabled();
  }
  static Stops stopsWhere(const std::function<bool(const Outcome&)>& want) {
    return *testing::findStops(25, want);
  }
  std::pair<Clock::time_point, Clock::time_point> quietLosingSpin();

  MonitorRecorder recorder{2};  // both channels: the tune is stereo
};

// A losing spin of a started game from silence, recorded until the whirr
// and the five reels' thuds have been heard and gone quiet: when it was
// pressed and when the recording was done. No scatter: a scatter's chime
// would run on into the next reel's thud.
std::pair<Clock::time_point, Clock::time_point> GameSound::quietLosingSpin() {
  startGame(true);
  quiet();
  const auto pressed = spin(stopsWhere(
      [](const Outcome& o) { return testing::losing(o) && o.readout.scattercount == 0; }));
  Clock::time_point end;
  hearUntil([&](Clock::time_point now) {
    end = now;
    return recorder.bursts(pressed, now, milliseconds(30)) >= 5 &&
           !recorder.heard(now - milliseconds(300), now).heard;
  });
  return {pressed, end};
}

// The reels stop while the user-interface thread sleeps between frames:
// the spin's whirr and every reel's thud must still be heard.
TEST_F(GameSound, AnOrdinarySpinWhirrsAndEveryReelThuds) {
  const auto [pressed, recorded] = quietLosingSpin();
  ASSERT_TRUE(recorder.heard(pressed, recorded).heard);
  // The whirr runs into the first reel's thud; the other four stand apart.
  EXPECT_GE(recorder.bursts(pressed, recorded, milliseconds(30)), 5);
}

// The spin-start clip builds up to its end, and the first reel's thud
// replaces it: the rise must be heard before that thud. Both are found in
// the recording by their shape, so a slow machine, which only stops the
// reel later, passes as well.
TEST_F(GameSound, TheSpinStartRisesBeforeTheFirstThud) {
  const auto [pressed, recorded] = quietLosingSpin();
  const auto heard = recorder.samples(pressed, recorded).front();

  const auto whirr = played(Clip::SpinStart), thud = played(Clip::ReelStop);
  ASSERT_FALSE(whirr.empty());
  ASSERT_FALSE(thud.empty());
  constexpr std::size_t kOpening = MonitorRecorder::kRate / 20;  // enough of a clip to know it by
  const auto whirrAt = findSound(heard, 0, {whirr.begin(), whirr.begin() + kOpening}, 0.9);
  ASSERT_TRUE(whirrAt) << "the spin-start clip is heard";
  const auto thudAt = findSound(heard, *whirrAt + kOpening, {thud.begin(), thud.begin() + kOpening}, 0.8);
  ASSERT_TRUE(thudAt) << "a reel stop is heard after it";
  const std::size_t before = *thudAt - *whirrAt;

  // The clip's rise ends at its loudest 10 ms: all of it comes before the thud.
  const auto own = strengths(whirr, 0, whirr.size());
  const auto peakEnd = static_cast<std::size_t>(std::max_element(own.begin(), own.end()) - own.begin() + 1) *
                       (MonitorRecorder::kRate / 100);
  RecordProperty("whirr_heard_ms", std::to_string(1000 * before / MonitorRecorder::kRate));
  RecordProperty("whirr_peak_ms", std::to_string(1000 * peakEnd / MonitorRecorder::kRate));
  EXPECT_GE(before, peakEnd) << "the thud cuts the whirr before its loudest";
  // What is heard until the thud is the clip itself, and it rises: its
  // later half stronger than its earlier.
  EXPECT_GT(likeness(heard, *whirrAt, {whirr.begin(), whirr.begin() + static_cast<std::ptrdiff_t>(before)}), 0.9);
  const auto rise = strengths(heard, *whirrAt, *thudAt);
  ASSERT_GE(rise.size(), 4u);
  double early = 0, late = 0;
  for (std::size_t i = 0; i < rise.size(); ++i) (2 * i < rise.size() ? early : late) += rise[i];
  EXPECT_GT(late, 1.5 * early);
}

// The coin button's click is left to sound to its end, and a player who
// feeds coins after a pause, when the output has closed its stream, hears
// all of it too.
TEST_F(GameSound, TheCoinButtonsClickSoundsWholeAfterAPause) {
  startGame(true);
  quiet();
  for (const auto limit = Clock::now() + seconds(60); serverStreams() != 0;) {
    ASSERT_LT(Clock::now(), limit) << "the stream closes after a silence";
    QTest::qWait(100);
  }
  const auto coin = Clock::now();
  click(q().coinsin);
  const auto end = heardThenQuiet(coin);
  ASSERT_TRUE(end) << "a click heard";
  EXPECT_EQ(recorder.bursts(coin, *end, milliseconds(100)), 1);
  EXPECT_NEAR(recorder.energy(coin, *end) / energyOf(Clip::Click), 1.0, 0.15) << "the whole click";
}

TEST_F(GameSound, TheBetAndLineButtonsClick) {
  startGame(true);
  quiet();
  const auto bet = Clock::now();
  click(q().btnbet);
  const auto end = heardThenQuiet(bet);
  ASSERT_TRUE(end) << "a click heard";
  // One short click: all of it and nothing more (a gap a starved machine
  // puts into it changes neither).
  EXPECT_EQ(recorder.bursts(bet, *end, milliseconds(100)), 1);
  EXPECT_NEAR(recorder.energy(bet, *end) / energyOf(Clip::Click), 1.0, 0.3);
}

// A series of ten free spins: the tune plays under all of them, about as
// loud as the middle of the win clips, and stops when the total is
// collected (the collect fanfare sounds on its own).
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
  // Its loudness at the sink, over 3-second stretches (a spin's whirr and
  // thuds, far quieter, add little to it).
  const auto heard = recorder.samples(firstFreeSpin, seriesEnd);
  const auto tune = stereoShortTerm(heard[0], heard[1], MonitorRecorder::kRate);
  ASSERT_GE(tune.size(), 10u) << "a series of some seconds";
  const auto wins = winClipsMedianLoudness();
  ASSERT_TRUE(wins) << "every win clip decodes";
  RecordProperty("tune_median_short_term_lufs", std::to_string(median(tune)));
  RecordProperty("win_clips_median_lufs", std::to_string(*wins));
  EXPECT_NEAR(median(tune), *wins, 3.0) << "the tune's 3 s stretches measure "
                                         << *std::min_element(tune.begin(), tune.end()) << " to "
                                         << *std::max_element(tune.begin(), tune.end());

  const auto collect = Clock::now();
  click(q().takewin);
  // The collect fanfare sounds, and after it all is quiet: the tune is gone
  // too (it would never fall silent for a second).
  const auto end = heardThenQuiet(collect, seconds(1));
  ASSERT_TRUE(end) << "the fanfare, then silence";
  EXPECT_NEAR(recorder.energy(collect, *end) / energyOf(Clip::Prize), 1.0, 0.3) << "the fanfare alone";
}

TEST_F(GameSound, WithSoundOffOnlyTheExitClicks) {
  startGame(false);
  quiet();
  const auto begin = Clock::now();
  spin(stopsWhere(testing::plainLineWin));  // a win clip's play site
  click(q().btnbet);
  click(q().payline);
  ASSERT_TRUE(QTest::qWaitFor([this] { return settled(); }, kWindowLimitMs)) << "the win rolls up";
  machine->random.push(2);
  pushStops(stopsWhere(testing::losing));
  click(q().btnspin);
  ASSERT_TRUE(QTest::qWaitFor([this] { return settled(); }, kWindowLimitMs)) << "the spin ends";
  const auto exit = Clock::now();
  machine->cabinet.startup().xit_click();
  machine.reset();  // the program ends: the exit click is let finish
  EXPECT_EQ(machine, nullptr);
  const auto end = heardThenQuiet(exit);
  ASSERT_TRUE(end) << "the exit click sounds anyway";
  // Samples are dated back from when their block arrived, so the click's
  // first block may reach a little before the request: leave a margin.
  EXPECT_FALSE(recorder.heard(begin, exit - milliseconds(300)).heard) << "silence while playing";
  // One click, whole, though it opens the stream that sound off had left
  // closed.
  EXPECT_EQ(recorder.bursts(exit, *end, milliseconds(100)), 1);
  EXPECT_NEAR(recorder.energy(exit, *end) / energyOf(Clip::Click), 1.0, 0.15) << "one whole click";
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
  click(q().btnbet);  // would replace the fanfare with a click if sound were on
  const auto end = heardThenQuiet(pressed, seconds(1));  // the pause before the win is shown is shorter
  ASSERT_TRUE(end);
  // All of the spin's sound: the whirr, the thuds and the fanfare to its end.
  EXPECT_GT(recorder.energy(pressed, *end), 0.9 * energyOf(Clip::WinBig)) << "the fanfare plays to its end";
}

}  // namespace
}  // namespace quov::test
