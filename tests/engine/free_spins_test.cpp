#include "engine/free_spins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gamble.h"
#include "engine/reels.h"
#include "engine/spin_cycle.h"
#include "engine/wild_animations.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "rules/free_spins.h"
#include "rules/paytable.h"
#include "sound/sounds.h"

namespace quov {
namespace {

using testing::findStops;
using testing::losing;
using testing::MachineTest;
using testing::noWild;
using testing::Outcome;
using testing::plainLineWin;
using testing::Stops;

constexpr Millis kSeriesLimit = 30 * 60 * 1000;

class FreeSpins : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    lose = *findStops(25, losing);
  }
  static Stops scatters(int n) {
    return *findStops(25, [n](const Outcome& o) {
      return o.readout.scattercount == n && noWild(o);
    });
  }
  void pushStops(const Stops& s) {
    for (int v : s) machine.platform.random.push(v);
  }
  // One free spin: its stops, the multiplier draw and the payout draw.
  void pushFreeSpin(const Stops& s, int multiplierDraw = 25) {
    pushStops(s);
    machine.platform.random.push({multiplierDraw, 1});
  }
  void pressTrigger(const Stops& s) {
    machine.platform.random.push(2);
    pushStops(s);
    machine.pressSpin();
  }
  // Lets the series run until `done`, noting every caption `spinsleft` shows.
  std::vector<std::string> runSeries(const std::function<bool()>& done) {
    std::vector<std::string> captions{q.spinsleft.caption};
    EXPECT_TRUE(machine.runUntil(
        [&] {
          if (q.spinsleft.caption != captions.back()) captions.push_back(q.spinsleft.caption);
          return done();
        },
        kSeriesLimit, 50));
    return captions;
  }
  static std::vector<std::string> countdown(int from, int to) {
    std::vector<std::string> out;
    for (int k = from; k >= to; --k) out.push_back("     Freespins Remaining  " + std::to_string(k));
    return out;
  }
  Stops lose{};
};

TEST_F(FreeSpins, ThreeFourAndFiveScattersPlayTenFifteenAndTwentyFreeSpins) {
  const int scattersShown[3] = {3, 4, 5};
  const int spins[3] = {10, 15, 20};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(scattersShown[i]);
    const std::int32_t games = m.games, wager = m.wager, howmany = m.howmanyspins;
    pressTrigger(scatters(scattersShown[i]));
    for (int k = 0; k < spins[i]; ++k) pushFreeSpin(lose);  // the series starts later, by timer
    EXPECT_EQ(q.freespinmode, -1);
    EXPECT_EQ(q.freespinsgiven, spins[i] + 1);
    EXPECT_EQ(q.bonuslevel, spins[i]);
    EXPECT_FALSE(q.panfreespin.visible);
    const auto captions = runSeries([&] { return q.takewin.visible; });
    std::vector<std::string> expected = countdown(spins[i], 1);
    expected.push_back("Freespins Completed          ");
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(machine.platform.random.pending(), 0u) << "exactly the announced free spins ran";
    EXPECT_EQ(q.freespinsplayed, q.freespinsgiven);
    EXPECT_EQ(q.freespinmode, 0);
    EXPECT_TRUE(q.takewin.enabled) << "without autoplay the total waits for the collect";
    EXPECT_EQ(m.games, games + 1) << "free spins are no games";
    EXPECT_EQ(m.wager, wager + 25);
    EXPECT_EQ(m.howmanyspins, howmany + 1);
    ASSERT_TRUE(machine.click(q.takewin));
    machine.advance(200);
  }
}

TEST_F(FreeSpins, RetriggerInTheFourthFreeSpinAddsSeventeenAndItsWinOnce) {
  const Stops trigger = scatters(3), retrigger = scatters(3);
  const std::int32_t triggerWin =
      5 * 25 + testing::evaluate(trigger, 25, 1).lineWin;  // scatter pay and lines
  const auto bank = m.bank;
  pressTrigger(trigger);
  for (int k = 0; k < 3; ++k) pushFreeSpin(lose);
  pushFreeSpin(retrigger);
  for (int k = 0; k < 17; ++k) pushFreeSpin(lose);
  EXPECT_EQ(q.spinwin, triggerWin);
  EXPECT_EQ(q.freespinwin, triggerWin) << "the trigger spin's win starts the series total";
  EXPECT_EQ(m.bank, bank - 25) << "the trigger spin's win waits for the collect";

  ASSERT_TRUE(machine.runUntil([&] { return q.freespinsgiven == 22; }, kSeriesLimit, 50));
  const std::int32_t retriggerWin = q.spinwin;
  EXPECT_GE(retriggerWin, 5 * 25);
  EXPECT_EQ(q.freespinwin, triggerWin + retriggerWin) << "booked by the settlement only";
  EXPECT_EQ(q.spinsleft.caption, "     Freespins Remaining  17");

  const auto captions = runSeries([&] { return q.takewin.visible; });
  std::vector<std::string> expected = countdown(17, 1);
  expected.push_back("Freespins Completed          ");
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(machine.platform.random.pending(), 0u) << "4 + 17 free spins";
  EXPECT_EQ(q.freespinwin, triggerWin + retriggerWin);
}

TEST_F(FreeSpins, UnderAutoplayTheTotalIsCollectedOnceAndAutoplayGoesOn) {
  const Stops trigger = scatters(3);
  machine.platform.random.push(2);
  pushStops(trigger);
  const auto bank = m.bank;
  ASSERT_TRUE(machine.click(q.autoplayon));  // switches autoplay on and spins at once
  for (int k = 0; k < 10; ++k) pushFreeSpin(lose);
  ASSERT_EQ(q.freespinmode, -1);
  EXPECT_FALSE(q.tmrautospin.enabled()) << "the series presses no spins";
  const std::int32_t series = q.freespinwin;
  ASSERT_GT(series, 0);
  ASSERT_TRUE(
      machine.runUntil([&] { return q.freespinsgiven == 0 && q.freespinmode == 0; }, kSeriesLimit,
                       50));
  EXPECT_EQ(m.bank, bank - 25 + series);
  EXPECT_EQ(machine.engine.gamble().carried(), series);
  EXPECT_EQ(q.spinsleft.caption, "Freespins Completed          ");
  EXPECT_FALSE(q.takewin.visible);
  EXPECT_TRUE(q.tmrautospin.enabled());
  EXPECT_EQ(q.autoplaymode, 10);
  machine.advance(100);
  EXPECT_EQ(q.LABWIN.caption, "0") << "the roll-up after the collect shows a zero win";
}

TEST_F(FreeSpins, OnlyAWinThroughAWildIsMultipliedAndAStaleRunMeetsAHeldWild) {
  q.freespinmode = -1;
  q.freespinsgiven = 20;
  q.freespinsplayed = 2;
  q.winlength.fill(0);

  // A plain win: the multiplier drawn (10) falls back to 1.
  const Stops plain = *findStops(25, plainLineWin);
  pushFreeSpin(plain, 1);
  machine.engine.spinCycle().spin();
  EXPECT_EQ(q.freespinmult, 1);
  EXPECT_EQ(q.spinwin, testing::evaluate(plain, 25, 1).lineWin);

  // A run of three or more through the wild on reel 3 pays x10.
  const Stops wild = *findStops(25, [](const Outcome& o) {
    if (o.lineWin == 0 || o.readout.scattercount > 1) return false;
    if (o.readout.wildcell[2] || o.readout.wildcell[4] || !o.readout.wildcell[3]) return false;
    for (int line = 1; line <= 25; ++line)
      if (o.winline[line] && o.winlength[line] >= 3 &&
          lineCell(line, 3) == o.readout.wildcell[3])
        return true;
    return false;
  });
  LineArray before = q.winlength;
  Readout wildReadout;
  for (int r = 1; r <= 5; ++r) readReel(wildReadout, r, wild[r - 1]);
  LineArray winline{};
  const std::int32_t wildBase = evaluateLines(wildReadout.match, 25, 1, winline, before);
  pushFreeSpin(wild, 1);
  machine.engine.spinCycle().spin();
  EXPECT_EQ(q.freespinmult, 10);
  EXPECT_EQ(machine.engine.wildAnimations().state().wildpic, 44);
  EXPECT_EQ(q.spinwin, 10 * wildBase);
  EXPECT_TRUE(q.timerwild.enabled()) << "free spins show the badge";
  EXPECT_FALSE(q.Timer4.enabled());
  ASSERT_TRUE(q.holds.wild[3]);

  // Next free spin: reel 3 holds its wild. Find a win whose own runs miss
  // the wild while a run length left on a line from before meets it.
  const LineArray stale = q.winlength;
  const int heldStop = machine.engine.reels().state().reel3stop;
  struct Found {
    Stops stops;
    std::int32_t lineWin;
  };
  std::optional<Found> found;
  for (int i = 0; i < 22 * 22 * 22 * 22 && !found; ++i) {
    const Stops s{i % 22 + 1, i / 22 % 22 + 1, heldStop, i / 484 % 22 + 1, i / 10648 % 22 + 1};
    Readout o;
    for (int r = 1; r <= 5; ++r) readReel(o, r, s[r - 1]);
    if (o.scattercount > 1 || o.wildcell[2] || o.wildcell[4]) continue;
    LineArray wl = stale, wline{};
    const std::int32_t win = evaluateLines(o.match, 25, 1, wline, wl);
    if (win == 0) continue;
    bool fresh = false, any = false;
    for (int line = 1; line <= 25; ++line) {
      const bool touches = lineTouchesWild(line, wl[line], o.wildcell);
      any = any || touches;
      fresh = fresh || (wline[line] && touches);
    }
    if (any && !fresh) found = Found{s, win};
  }
  ASSERT_TRUE(found);
  machine.platform.random.push({found->stops[0], found->stops[1], found->stops[3],
                                found->stops[4]});
  machine.platform.random.push({1, 1});
  machine.engine.spinCycle().spin();
  EXPECT_EQ(machine.engine.reels().state().reel3stop, heldStop);
  EXPECT_EQ(q.freespinmult, 10) << "the old run length on a line through the held wild counts";
  EXPECT_EQ(q.spinwin, 10 * found->lineWin);
  EXPECT_EQ(machine.platform.random.pending(), 0u);
}

TEST_F(FreeSpins, TheQueenWalksHerPathInFramesTheWindowCanDraw) {
  std::vector<std::pair<int, int>> frames;
  machine.platform.loop.onSleep = [&](int ms) {
    if (ms == 20 && machine.engine.freeSpins().zendara1.visible) frames.emplace_back(machine.engine.freeSpins().zendara1.left, machine.engine.freeSpins().zendara1.top);
  };
  pressTrigger(scatters(3));
  machine.platform.loop.onSleep = nullptr;
  ASSERT_GE(frames.size(), 20u);
  ASSERT_LE(frames.size(), 100u);
  EXPECT_EQ(frames.front(), std::make_pair(-5999, 7000));
  EXPECT_EQ(frames.back(), std::make_pair(15000, 7000));
  for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_GT(frames[i].first, frames[i - 1].first);
  EXPECT_TRUE(machine.engine.freeSpins().zendara1.visible);
}

// Wild animations.

TEST_F(MachineTest, PortraitFramesCycleOverEveryWildAndTheBadgeFollowsTheMultiplier) {
  q.wildcell = {0, 0, 5, 8, 0, 0};  // wilds on reels 2 and 3
  WildAnimations& wild = machine.engine.wildAnimations();
  wild.restartPortraits();
  for (int t = 0; t < 27; ++t) wild.Timer4_tick();  // up to the next-to-last frame
  wild.Timer4_tick();
  EXPECT_EQ(q.flasher[5].picture, (PictureRef{ImageListId::ImageList2, 28, 0}));
  EXPECT_EQ(q.flasher[8].picture, (PictureRef{ImageListId::ImageList2, 28, 0}));
  wild.Timer4_tick();
  EXPECT_EQ(q.flasher[5].picture.index, 1) << "28 portrait frames, then round again";
  EXPECT_EQ(q.flasher[11].picture.list, ImageListId::ImageList1) << "no wild there";

  q.freespinmult = 5;
  wild.restart();
  for (int t = 0; t < 26; ++t) wild.timerwild_tick();  // the portrait one before its last
  wild.startBadge(40);                                 // as the multiplier draw leaves it
  std::vector<int> badges, portraits;
  for (int t = 0; t < 5; ++t) {
    wild.timerwild_tick();
    badges.push_back(q.flasher[8].picture.overlay);
    portraits.push_back(q.flasher[8].picture.index);
  }
  EXPECT_EQ(badges, (std::vector<int>{37, 38, 39, 40, 37}));
  EXPECT_EQ(portraits, (std::vector<int>{27, 1, 2, 3, 4}));

  q.freespinmult = 1;  // no wild in a paying run: nothing changes
  const PictureRef shown = q.flasher[8].picture;
  wild.timerwild_tick();
  EXPECT_EQ(q.flasher[8].picture, shown);
}

// The tune is opened from the folder it was written to: moving the folder
// (the desktop puts it in the player's cache) moves the next open with it.
TEST(FreeSpinTune, OpensFromTheFolderItIsInEvenAfterTheFolderMoved) {
  HeadlessPlatform platform(1);
  Modquov m;
  Sounds sounds(platform.services, m);
  sounds.openTune();
  sounds.musicFolder = "/home/player/.cache/quov";
  sounds.openTune();
  sounds.openTune();
  sounds.musicFolder = "";
  sounds.openTune();
  EXPECT_EQ(platform.sound.media,
            (std::vector<std::string>{"open brelk-video-slots/quovspin.midi type sequencer alias quovspin",
                                      "open /home/player/.cache/quov/quovspin.midi type sequencer alias quovspin",
                                      "open /home/player/.cache/quov/quovspin.midi type sequencer alias quovspin",
                                      "open /quovspin.midi type sequencer alias quovspin"}));
}

}  // namespace
}  // namespace quov
