// A free-spin series outlives the program: killed after any tick, closed
// between two free spins or in the middle of one, the next start goes on
// with the series where the records left it, at its bet and with its held
// wild, and the collect pays the series total into the credit exactly once.
// The history keeps the series under the id of the spin that started it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "engine/gamble.h"
#include "engine/reels.h"
#include "headless/headless_machine.h"
#include "history_printing.h"
#include "outcomes.h"
#include "records/history_ledger.h"
#include "records/series_store.h"
#include "rules/free_spins.h"
#include "rules/money.h"

namespace quov {
namespace {

using testing::findStops;
using testing::losing;
using testing::noWild;
using testing::Outcome;
using testing::Stops;

constexpr Millis kSeriesLimit = 30 * 60 * 1000;

// What a killed machine leaves behind: its store and its history.
struct Left {
  MemoryStore::Values store;
  MemoryHistory::Records history;
  friend bool operator==(const Left&, const Left&) = default;
};

Left leftBy(const HeadlessMachine& m) {
  return {m.platform.store.values, m.platform.history.records};
}

// A machine started on what another one left.
std::unique_ptr<HeadlessMachine> startOn(const Left& left) {
  auto m = std::make_unique<HeadlessMachine>();
  m->platform.store.values = left.store;
  m->platform.history.records = left.history;
  m->start();
  return m;
}

Stops scatters(int n) {
  return *findStops(25, [n](const Outcome& o) {
    return o.readout.scattercount == n && noWild(o);
  });
}

// A free spin that lands a wild on reel 3 only, and no scatter award.
Stops wildOnReelThree() {
  return *findStops(25, [](const Outcome& o) {
    return o.readout.wildcell[3] != 0 && o.readout.wildcell[2] == 0 &&
           o.readout.wildcell[4] == 0 && o.readout.scattercount < 2;
  });
}

class SeriesResume : public ::testing::Test {
 protected:
  void SetUp() override {
    first.platform.store.write("quovslot", "player1", "bank", "5000");
    first.platform.store.write("quovslot", "player1", "machinepay", "1");
    first.start();
    first.advance(100);
  }
  static void push(HeadlessMachine& m, const Stops& s) {
    for (int v : s) m.platform.random.push(v);
  }
  // The spin that starts the series, pressed on `m`.
  static void pressTrigger(HeadlessMachine& m) {
    m.platform.random.push(2);  // no jackpot time
    push(m, scatters(3));
    m.pressSpin();
    ASSERT_EQ(m.quov.freespinmode, -1);
  }
  // Runs the idle loop one due tick at a time.
  static void tick(HeadlessMachine& m) {
    m.platform.loop.runUntil(m.platform.loop.scheduler().nextDue());
  }
  // Plays the series to its end and collects it by hand; false when it did
  // not end.
  static bool collect(HeadlessMachine& m) {
    const bool ended = m.runUntil(
        [&] {
          if (m.quov.takewin.visible) m.click(m.quov.takewin);
          return m.quov.freespinsgiven == 0;
        },
        kSeriesLimit, 50);
    m.advance(200);  // the idle ticker writes the records
    return ended;
  }
  static std::int32_t stored(HeadlessMachine& m, const char* key) {
    std::int32_t v = 0;
    parseInto(v, m.platform.store.read("quovslot", "player1", key));
    return v;
  }
  // The credit is what was put in, less the bets, plus every win and every
  // meter prize: the series' win reached the credit as often as `total`
  // counted it.
  static void expectMoneyIdentity(HeadlessMachine& m) {
    EXPECT_EQ(stored(m, "bank"), 5000 + stored(m, "amountinvested") - stored(m, "wager") +
                                     stored(m, "total") + stored(m, "jackpotbank"));
    EXPECT_EQ(m.mod.bank, stored(m, "bank")) << "the records were written after the collect";
  }
  static LedgerReport ledger(HeadlessMachine& m) {
    LedgerCheck check;
    for (const GameRecord& r : m.platform.history.records) check.add(r);
    return check.report();
  }
  HeadlessMachine first;
  Quov& q = first.quov;
};

TEST_F(SeriesResume, AKillAfterAnyTickOfASeriesLosesNoCentAndCountsItsTotalOnce) {
  // Moments a kill can leave: before the press, then after every tick of a
  // series whose free spins hold a wild and multiply a win, up to the
  // collect written to the records.
  std::vector<Left> moments{leftBy(first)};
  const auto note = [&] {
    Left now = leftBy(first);
    if (!(now == moments.back())) moments.push_back(std::move(now));
  };
  pressTrigger(first);
  note();
  push(first, wildOnReelThree());
  first.platform.random.push({1, 1});  // x10 where the wild takes part; the throttle's draw
  int ticks = 0;
  while (!q.takewin.visible && ticks < 100000) {
    tick(first);
    note();
    ++ticks;
  }
  ASSERT_TRUE(q.takewin.visible);
  // The complete series waits for its collect, written to the records.
  for (int k = 0; k < 10; ++k) {
    tick(first);
    note();
  }
  ASSERT_TRUE(first.click(q.takewin));
  note();
  for (int k = 0; k < 10; ++k) {
    tick(first);
    note();
  }
  ASSERT_EQ(stored(first, "freespinsgiven"), 0);
  expectMoneyIdentity(first);
  const std::int64_t trigger = first.platform.history.records.front().id;
  ASSERT_EQ(first.platform.history.records.front().award, 10);
  // Each evaluation is booked in the history, then written to the records.
  ASSERT_EQ(moments.size(), 1u + 2 * (1 + 10 + 1));

  int resumed = 0;
  for (std::size_t i = 0; i < moments.size(); ++i) {
    SCOPED_TRACE("moment " + std::to_string(i));
    const auto next = startOn(moments[i]);
    if (next->quov.freespinsgiven > 0) ++resumed;
    ASSERT_TRUE(collect(*next));
    EXPECT_EQ(next->platform.store.read("quovslot", "player1", "freespinsgiven"), "");
    expectMoneyIdentity(*next);
    const LedgerReport report = ledger(*next);
    EXPECT_EQ(report.unbalanced + report.badSeries + report.badWins, 0)
        << "first fault at record " << report.firstFault
        << ::testing::PrintToString(next->platform.history.records);
    for (const GameRecord& r : next->platform.history.records) {
      if (r.kind == RecordKind::FreeSpin || r.kind == RecordKind::Collect) {
        EXPECT_EQ(r.series, trigger) << "record " << r.id;
      }
    }
  }
  EXPECT_GE(resumed, 20) << "most moments lie inside the series";
}

TEST_F(SeriesResume, AResumedSeriesPlaysOnAtItsBetWithItsHeldWildAndWaitsForItsCollect) {
  // Ten lines at 3 cents a line.
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(first.click(q.payline));
  for (int k = 0; k < 2; ++k) ASSERT_TRUE(first.click(q.btnbet));
  ASSERT_EQ(q.linesplayed, 10);
  ASSERT_EQ(q.betperline, 3);
  pressTrigger(first);
  const Stops wild = wildOnReelThree();
  push(first, wild);
  first.platform.random.push({25, 1});
  ASSERT_TRUE(first.runUntil([&] { return q.freespinsplayed == 2; }, kSeriesLimit, 10));
  first.advance(100);
  ASSERT_TRUE(q.holds.wild[3]) << "the wild holds reel 3 for the next free spin";
  const std::int32_t total = q.freespinwin, last = q.spinwin, bank = first.mod.bank;

  const auto next = startOn(leftBy(first));
  Quov& r = next->quov;
  EXPECT_EQ(r.freespinmode, -1);
  EXPECT_EQ(r.freespinsgiven, 11);
  EXPECT_EQ(r.freespinsplayed, 2);
  EXPECT_EQ(r.freespinwin, total);
  EXPECT_EQ(next->mod.bank, bank) << "the series' wins wait for the collect";
  EXPECT_EQ(r.spinsleft.caption, "     Freespins Remaining  9");
  EXPECT_TRUE(r.spinsleft.visible);
  EXPECT_FALSE(r.panfreespin.visible);
  EXPECT_FALSE(r.btnoptions.visible);
  EXPECT_FALSE(r.btnopenmenu.visible);
  EXPECT_FALSE(r.takewin.visible);
  EXPECT_EQ(r.LABWIN.caption, plainCents(total));
  EXPECT_EQ(r.lblwin.caption, moneyText(last));
  EXPECT_EQ(r.lbllines.caption, "10");
  EXPECT_EQ(r.lblbet.caption, "3");
  EXPECT_EQ(r.reel[3].top, q.reel[3].top) << "the reels stand where they stopped";
  EXPECT_EQ(next->engine.reels().state().reel3stop, wild[2]);

  // The next free spin draws reels 1, 2, 4 and 5 only.
  const Stops lose = *findStops(10, losing);
  next->platform.random.push({lose[0], lose[1], lose[3], lose[4], 25, 1});
  const std::size_t before = next->platform.history.records.size();
  ASSERT_TRUE(next->runUntil([&] { return r.freespinsplayed == 3; }, kSeriesLimit, 10));
  EXPECT_EQ(next->platform.random.pending(), 0u);
  EXPECT_EQ(next->engine.reels().state().reel3stop, wild[2]);
  ASSERT_EQ(next->platform.history.records.size(), before + 1);
  const GameRecord& spin = next->platform.history.records.back();
  EXPECT_EQ(spin.kind, RecordKind::FreeSpin);
  EXPECT_EQ(spin.lines, 10);
  EXPECT_EQ(spin.betPerLine, 3);
  EXPECT_EQ(spin.held, 4) << "reel 3 kept its stop";
  EXPECT_EQ(spin.series, first.platform.history.records.front().id);
  EXPECT_EQ(spin.seriesSpin, 2);

  // Without autoplay the complete series waits for the player's collect.
  ASSERT_TRUE(next->runUntil([&] { return r.takewin.visible; }, kSeriesLimit, 50));
  EXPECT_EQ(r.spinsleft.caption, "Freespins Completed          ");
  const std::int32_t series = r.freespinwin;
  ASSERT_TRUE(next->click(r.takewin));
  EXPECT_EQ(next->mod.bank, bank + series);
  EXPECT_TRUE(r.panfreespin.visible);
  next->advance(200);
  expectMoneyIdentity(*next);
}

TEST_F(SeriesResume, ACompleteSeriesWaitingForItsCollectIsStillWaitingAfterARestart) {
  pressTrigger(first);
  ASSERT_TRUE(first.runUntil([&] { return q.takewin.visible; }, kSeriesLimit, 50));
  first.advance(100);
  const std::int32_t series = q.freespinwin, bank = first.mod.bank;

  const auto next = startOn(leftBy(first));
  Quov& r = next->quov;
  EXPECT_EQ(r.freespinmode, 0);
  EXPECT_TRUE(r.takewin.visible);
  EXPECT_TRUE(r.takewin.enabled);
  EXPECT_FALSE(r.Timerrespin.enabled()) << "no free spin is left";
  EXPECT_EQ(r.spinsleft.caption, "Freespins Completed          ");
  next->advance(5000);
  EXPECT_EQ(next->mod.bank, bank);
  ASSERT_TRUE(next->click(r.takewin));
  EXPECT_EQ(next->mod.bank, bank + series);
  EXPECT_EQ(next->engine.gamble().carried(), series) << "the collected total can be gambled";
  next->advance(200);
  expectMoneyIdentity(*next);
  EXPECT_EQ(ledger(*next).badSeries, 0);
}

TEST_F(SeriesResume, ACloseBetweenFreeSpinsOrDuringOneKeepsTheSeriesWhole) {
  pressTrigger(first);
  ASSERT_TRUE(first.runUntil([&] { return q.freespinsplayed == 3; }, kSeriesLimit, 10));
  first.advance(100);

  // Between two free spins: the exit writes the series as it stands.
  {
    HeadlessMachine& m = first;
    const Left before = leftBy(m);
    m.quov.screen.closeRequest();
    ASSERT_TRUE(m.platform.loop.ended());
    const auto next = startOn(leftBy(m));
    EXPECT_EQ(next->quov.freespinsplayed, 3);
    EXPECT_EQ(next->quov.freespinwin, q.freespinwin);
    EXPECT_EQ(leftBy(m).history, before.history);
  }

  // In the middle of a free spin, between its settlement and its booking:
  // the spin is lost as a kill would lose it, never half counted.
  const auto second = startOn(leftBy(first));
  Quov& s = second->quov;
  const std::int32_t total = second->mod.total, series = s.freespinwin;
  bool closed = false;
  second->platform.loop.onSleep = [&](int) {
    // The reels run down after the settlement; the next yield delivers
    // the close request.
    if (!closed && s.freespinsplayed == 3 && !s.tmrtick.enabled()) {
      closed = true;
      second->platform.loop.post([&] { s.screen.closeRequest(); });
    }
  };
  ASSERT_TRUE(second->runUntil([&] { return closed && s.freespinsplayed == 4; }, kSeriesLimit,
                               10));
  second->platform.loop.onSleep = nullptr;
  ASSERT_TRUE(second->platform.loop.ended());
  EXPECT_EQ(stored(*second, "freespinsplayed"), 3);
  EXPECT_EQ(stored(*second, "freespinwin"), series);
  EXPECT_EQ(stored(*second, "total"), total);

  const auto third = startOn(leftBy(*second));
  EXPECT_EQ(third->quov.freespinsplayed, 3);
  ASSERT_TRUE(collect(*third));
  expectMoneyIdentity(*third);
  const LedgerReport report = ledger(*third);
  EXPECT_EQ(report.badSeries, 0) << "the free spin played again replaces the lost one";
}

TEST(SeriesStore, ASeriesRoundTripsAndADamagedOneIsNotResumedAtAll) {
  SeriesRecord kept;
  kept.freespinmode = -1;
  kept.series = {27, 6, 15};
  kept.freespinwin = 1234;
  kept.spinwin = 90;
  kept.freespinmult = 5;
  kept.linesplayed = 15;
  kept.betlevel = 4;
  kept.stops = {1, 22, 7, 13, 5};
  kept.heldWild = {true, false, true};
  for (int line = 1; line <= kLines; ++line) kept.winlength[line] = static_cast<std::int16_t>(line % 6);
  kept.historyId = 9876543210LL;
  ASSERT_TRUE(plausible(kept));

  MemoryStore store;
  writeSeries(store, "player3", kept);
  EXPECT_EQ(store.read("quovslot", "player3", "reelstops"), "1 22 7 13 5");
  EXPECT_EQ(store.read("quovslot", "player3", "heldreels"), "2 4");
  EXPECT_EQ(store.read("quovslot", "player3", "winlength"),
            "1 2 3 4 5 0 1 2 3 4 5 0 1 2 3 4 5 0 1 2 3 4 5 0 1");
  EXPECT_EQ(readSeries(store, "player3"), kept);

  // Every reel held, none held, and the widest numbers each list can hold.
  SeriesRecord wide = kept;
  wide.heldWild = {true, true, true};
  wide.stops = {-32768, 32767, 0, -1, 10};
  wide.winlength.fill(-32768);
  writeSeries(store, "player4", wide);
  EXPECT_EQ(store.read("quovslot", "player4", "heldreels"), "2 3 4");
  EXPECT_EQ(store.read("quovslot", "player4", "reelstops"), "-32768 32767 0 -1 10");
  std::string runs = "-32768";
  for (int line = 2; line <= kLines; ++line) runs += " -32768";
  EXPECT_EQ(store.read("quovslot", "player4", "winlength"), runs);
  wide.heldWild = {};
  writeSeries(store, "player4", wide);
  EXPECT_EQ(store.read("quovslot", "player4", "heldreels"), "");
  EXPECT_FALSE(readSeries(store, "player1")) << "records written before series were kept";

  const std::vector<std::pair<const char*, const char*>> damage = {
      {"freespinsplayed", "27"},  // played out, yet running
      {"freespinsplayed", "x"},
      {"freespinmode", "1"},
      {"bonuslevel", "12"},
      {"freespinwin", "-5"},
      {"spinwin", "2000"},  // more than the whole series won
      {"freespinmult", "4"},
      {"linesplayed", "7"},
      {"betlevel", "0"},
      {"reelstops", "1 22 7 13"},
      {"reelstops", "1 22 7 13 23"},
      {"heldreels", "1"},
      {"winlength", "0 1 2"},
      {"seriesgame", ""},
  };
  for (const auto& [key, text] : damage) {
    MemoryStore damaged;
    writeSeries(damaged, "player1", kept);
    damaged.write("quovslot", "player1", key, text);
    EXPECT_FALSE(readSeries(damaged, "player1")) << key << "=" << text;
  }

  // A complete series waiting for its collect; the end of one clears them all.
  SeriesRecord complete = kept;
  complete.freespinmode = 0;
  complete.series.played = 27;
  writeSeries(store, "player3", complete);
  EXPECT_EQ(readSeries(store, "player3"), complete);
  writeSeries(store, "player3", SeriesRecord{});
  EXPECT_FALSE(readSeries(store, "player3"));
  EXPECT_EQ(store.read("quovslot", "player3", "reelstops"), "");
}

}  // namespace
}  // namespace quov
