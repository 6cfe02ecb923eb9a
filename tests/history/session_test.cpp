// A scripted session on the whole machine is recorded exactly: a coin, a
// line win gambled and lost, a scatter win gambled and collected, a win the
// throttle replaced, a free-spin series with a held wild and its collect,
// and a jackpot time. The recall then shows each game as it was played.
#include <gtest/gtest.h>

#include "cabinet/menu.h"
#include "engine/gamble.h"
#include "engine/reels.h"
#include "history_printing.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "records/game_recall.h"
#include "records/history_ledger.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "rules/paytable.h"

namespace quov {
namespace {

using testing::findStops;
using testing::noWild;
using testing::Outcome;
using testing::Stops;

class RecordedSession : public testing::MachineTest {
 protected:
  const MemoryHistory::Records& records() { return machine.platform.history.records; }
  const GameRecord& last() { return records().back(); }
  void pushStops(const Stops& s) {
    for (int v : s) machine.platform.random.push(v);
  }
  // The record an ordinary spin on 25 lines at 1 cent with `stops` makes.
  GameRecord spinRecord(const Stops& stops, std::int32_t before) {
    const Outcome o = testing::evaluate(stops, 25, 1);
    GameRecord r;
    r.kind = RecordKind::Spin;
    r.lines = 25;
    r.betPerLine = 1;
    r.bet = 25;
    for (int i = 0; i < 5; ++i) r.stops[i] = static_cast<std::int8_t>(stops[i]);
    for (int line = 1; line <= 25; ++line)
      if (o.winline[line]) {
        const Symbol s = visibleSymbol(1, stops[0], paylineRow(line, 1));
        r.lineWins.push_back({static_cast<std::int8_t>(line), static_cast<std::int8_t>(s),
                              static_cast<std::int8_t>(o.winlength[line]),
                              linePay(s, o.winlength[line])});
      }
    r.scatters = static_cast<std::int8_t>(o.readout.scattercount);
    r.scatterPay = scatterMultiple(o.readout.scattercount) * 25;
    r.win = o.lineWin + r.scatterPay;
    r.paid = r.win;
    r.creditBefore = before;
    r.creditAfter = before - 25 + r.win;
    return r;
  }
  static GameRecord gambleRecord(std::int64_t gambled, std::int32_t stake, std::int32_t before) {
    GameRecord r;
    r.kind = RecordKind::Gamble;
    r.lines = 25;
    r.betPerLine = 1;
    r.gambled = gambled;
    r.stake = stake;
    r.creditBefore = before;
    return r;
  }
  // Compares all but the history's own id and time; a record is played at
  // the payout setting of the moment unless the expected one says which.
  void expectRecord(GameRecord expected, const GameRecord& actual) {
    expected.id = actual.id;
    expected.timeMs = actual.timeMs;
    if (expected.machinepay == 0) expected.machinepay = static_cast<std::int8_t>(m.machinepay);
    EXPECT_EQ(expected, actual);
  }
  void gambleBet(Element& button, int suit) {
    machine.platform.random.push(suit);
    ASSERT_TRUE(machine.click(button));
  }
  void openGamble() {
    q.doublebutton.show();
    ASSERT_TRUE(machine.click(q.doublebutton));
    ASSERT_TRUE(machine.engine.gamble().open());
  }
  void playSession();
  // A click on the recall screen, as its window delivers it.
  bool clickRecall(Element& e) {
    Screen& s = machine.cabinet.quovrecall.screen;
    if (!s.visible || !e.shownOnScreen() || !e.enabledOnScreen()) return false;
    s.mouseDown(e);
    s.mouseUp(e);
    s.click(e);
    return true;
  }

  Stops lineWin{}, scatterWin{}, lose{}, trigger{}, wildOnReel3{};
  std::int64_t lineWinId = 0, triggerId = 0;
  std::int32_t lostStake = 0, prize = 0;
};

void RecordedSession::playSession() {
  lineWin = *findStops(25, testing::plainLineWin);
  scatterWin = *findStops(25, [](const Outcome& o) {
    return o.readout.scattercount == 2 && o.lineWin == 0 && noWild(o);
  });
  lose = *findStops(25, testing::losing);
  trigger = *findStops(25, [](const Outcome& o) {
    return o.readout.scattercount == 3 && noWild(o);
  });
  wildOnReel3 = *findStops(25, [](const Outcome& o) {
    return o.readout.wildcell[3] != 0 && o.readout.wildcell[2] == 0 &&
           o.readout.wildcell[4] == 0 && o.readout.scattercount < 2;
  });

  // Money in.
  std::int32_t before = m.bank;
  ASSERT_TRUE(machine.click(q.coinsin));
  {
    GameRecord r;
    r.kind = RecordKind::CreditIn;
    r.lines = 25;
    r.betPerLine = 1;
    r.moneyIn = 5000;
    r.creditBefore = before;
    r.creditAfter = before + 5000;
    expectRecord(r, last());
  }

  // A line win, then gambled: won on red, lost on black.
  before = m.bank;
  spin({lineWin[0], lineWin[1], lineWin[2], lineWin[3], lineWin[4]});
  const GameRecord lineSpin = spinRecord(lineWin, before);
  ASSERT_GT(lineSpin.lineWins.size(), 0u);
  expectRecord(lineSpin, last());
  lineWinId = last().id;
  before = m.bank;
  openGamble();
  gambleBet(machine.engine.gamble().panel.betred, kHearts);
  gambleBet(machine.engine.gamble().panel.betblack, kHearts);
  ASSERT_FALSE(machine.engine.gamble().open());
  lostStake = lineSpin.win;
  {
    GameRecord r = gambleRecord(lineWinId, lineSpin.win, before);
    r.steps = {{GambleBet::Red, kHearts, true, 2 * lineSpin.win},
               {GambleBet::Black, kHearts, false, 0}};
    r.creditAfter = before - lineSpin.win;
    expectRecord(r, last());
  }

  // A scatter win, gambled on a suit and collected.
  before = m.bank;
  spin({scatterWin[0], scatterWin[1], scatterWin[2], scatterWin[3], scatterWin[4]});
  expectRecord(spinRecord(scatterWin, before), last());
  const std::int64_t scatterId = last().id;
  before = m.bank;
  openGamble();
  gambleBet(machine.engine.gamble().panel.suitbet[kSpades], kSpades);
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.cancelbet));
  {
    GameRecord r = gambleRecord(scatterId, 25, before);
    r.steps = {{GambleBet::Spades, kSpades, true, 100}};
    r.win = r.paid = 100;
    r.creditAfter = before - 25 + 100;
    expectRecord(r, last());
  }

  // The throttle replaces a winning outcome: the record holds the one that
  // stood, and how many it replaced.
  m.machinepay = 4;
  before = m.bank;
  machine.scriptSpin({lineWin[0], lineWin[1], lineWin[2], lineWin[3], lineWin[4]});
  machine.platform.random.push(2);  // the win is voided
  pushStops(lose);
  machine.platform.random.push(3);  // the throttle's draw on the loss
  machine.pressSpin();
  ASSERT_TRUE(machine.settle());
  {
    GameRecord r = spinRecord(lose, before);
    r.voids = 1;
    r.machinepay = 4;
    expectRecord(r, last());
  }
  m.machinepay = 1;

  // A series of ten free spins: the second keeps reel 3 where the first's
  // wild stood. The trigger's win waits in the series total.
  before = m.bank;
  machine.scriptSpin({trigger[0], trigger[1], trigger[2], trigger[3], trigger[4]});
  pushStops(wildOnReel3);
  machine.platform.random.push({25, 1});  // multiplier draw, throttle draw
  machine.platform.random.push({lose[0], lose[1], lose[3], lose[4]});  // reel 3 held
  machine.platform.random.push({25, 1});
  for (int k = 3; k <= 10; ++k) {
    pushStops(lose);
    machine.platform.random.push({25, 1});
  }
  machine.pressSpin();
  {
    GameRecord r = spinRecord(trigger, before);
    r.award = 10;
    r.paid = 0;
    r.creditAfter = before - 25;
    r.machinepay = 1;
    expectRecord(r, last());
    triggerId = last().id;
  }
  ASSERT_TRUE(machine.runUntil([&] { return q.takewin.visible; }, 30 * 60 * 1000, 50));
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  const std::int32_t seriesTotal = q.freespinwin;
  ASSERT_TRUE(machine.click(q.takewin));
  ASSERT_TRUE(machine.settle());
  {
    // The trigger, ten free spins and the collect.
    ASSERT_GE(records().size(), 12u);
    const auto from = records().end() - 12;
    EXPECT_EQ(from->id, triggerId);
    std::int64_t won = from->win;
    for (int k = 1; k <= 10; ++k) {
      const GameRecord& f = *(from + k);
      SCOPED_TRACE(k);
      EXPECT_EQ(f.kind, RecordKind::FreeSpin);
      EXPECT_EQ(f.series, triggerId);
      EXPECT_EQ(f.seriesSpin, k);
      EXPECT_EQ(f.bet, 0);
      EXPECT_EQ(f.paid, 0);
      EXPECT_EQ(f.creditBefore, before - 25);
      EXPECT_EQ(f.creditAfter, before - 25);
      const Stops& drawn = k == 1 ? wildOnReel3 : lose;
      for (int reelNo : {1, 2, 4, 5}) EXPECT_EQ(f.stops[reelNo - 1], drawn[reelNo - 1]);
      EXPECT_EQ(f.stops[2], k <= 2 ? wildOnReel3[2] : lose[2]) << "reel 3 held in free spin 2";
      EXPECT_EQ(f.held, k == 2 ? 4 : 0);
      won += f.win;
    }
    const GameRecord& collect = records().back();
    EXPECT_EQ(collect.kind, RecordKind::Collect);
    EXPECT_EQ(collect.series, triggerId);
    EXPECT_EQ(collect.paid, seriesTotal);
    EXPECT_EQ(collect.paid, won) << "the series total is what its spins won";
    EXPECT_EQ(collect.creditBefore, before - 25);
    EXPECT_EQ(collect.creditAfter, before - 25 + seriesTotal);
  }

  // Jackpot time: the ball starts after cell 5 and stops on the major.
  before = m.bank;
  prize = m.major;
  machine.platform.random.push({1, 5, 13});
  machine.pressSpin();
  ASSERT_TRUE(machine.runUntil([&] { return !machine.jackpotTime(); }, 60000, 50));
  {
    GameRecord r;
    r.kind = RecordKind::JackpotTime;
    r.lines = 25;
    r.betPerLine = 1;
    r.ballStart = 5;
    r.ballCell = 13;
    r.prize = JackpotPrize::Major;
    r.win = r.paid = prize;
    r.creditBefore = before;
    r.creditAfter = before + prize;
    expectRecord(r, last());
  }
}

TEST_F(RecordedSession, EveryGameIsRecordedExactlyAndTheBooksBalance) {
  const std::int32_t bank0 = m.bank, invested0 = m.amountinvested, wager0 = m.wager,
                     total0 = m.total, games0 = m.games;
  playSession();
  if (HasFatalFailure()) return;

  LedgerCheck check;
  IntegrityMeters meters;
  for (const GameRecord& r : records()) {
    check.add(r);
    meters.add(r);
  }
  const LedgerReport& report = check.report();
  EXPECT_TRUE(report.sound()) << "first fault at record " << report.firstFault;
  EXPECT_EQ(report.breaks, 0);
  EXPECT_EQ(meters.moneyIn, m.amountinvested - invested0);
  EXPECT_EQ(meters.moneyPlayed, m.wager - wager0);
  EXPECT_EQ(meters.games, m.games - games0);
  EXPECT_EQ(meters.jackpotsPaid, prize);
  // The total-won statistic keeps a gamble's lost stake; the meters do not.
  EXPECT_EQ(meters.moneyWon, m.total - total0 - lostStake);
  EXPECT_EQ(m.bank, bank0 + meters.moneyIn - meters.moneyPlayed + meters.moneyWon +
                        meters.jackpotsPaid);
}

TEST_F(RecordedSession, TheRecallShowsEachGameAsItWasPlayed) {
  playSession();
  if (HasFatalFailure()) return;
  QuovRecall& recall = machine.cabinet.quovrecall;
  machine.cabinet.menu().btnopenmenu_mousemove();
  ASSERT_TRUE(machine.click(q.lastgames));
  ASSERT_TRUE(recall.screen.visible);
  EXPECT_FALSE(q.screen.enabled) << "no play while the recall is open";
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_EQ(recall.lblrecall.caption, "GAME RECALL  -  NOT LIVE PLAY");
  ASSERT_EQ(recall.games().size(), 5u) << "line win, scatter win, replaced win, series, jackpot";

  // The newest game: the jackpot board with the ball on the major.
  EXPECT_EQ(recall.gameShown(), 4);
  EXPECT_TRUE(recall.jackpotframe.visible);
  EXPECT_EQ(recall.jackpotball11.left, boardCell(13).left);
  EXPECT_EQ(recall.jackpotball11.top, boardCell(13).top);
  EXPECT_FALSE(recall.Picture[1].visible);
  EXPECT_NE(recall.lblbet.caption.find("PRIZE MAJOR = " + moneyText(prize)), std::string::npos)
      << recall.lblbet.caption;
  EXPECT_FALSE(recall.btnnext.enabled);

  // Back a game: the series, its spins in order, the second one holding reel 3.
  ASSERT_TRUE(clickRecall(recall.btnprevgame));
  EXPECT_EQ(recall.gameShown(), 3);
  for (int r = 1; r <= 5; ++r)
    EXPECT_EQ(recall.reel[r].top, -kCellTwips * trigger[r - 1]) << "trigger, reel " << r;
  EXPECT_NE(recall.lblgame.caption.find("FREE SPINS WON"), std::string::npos);
  for (int k = 1; k <= 10; ++k) {
    ASSERT_TRUE(clickRecall(recall.btnnext));
    EXPECT_NE(recall.lblgame.caption.find("FREE SPIN " + std::to_string(k) + " OF 10"),
              std::string::npos)
        << recall.lblgame.caption;
    const Stops& drawn = k == 1 ? wildOnReel3 : lose;
    EXPECT_EQ(recall.reel[3].top, -kCellTwips * (k <= 2 ? wildOnReel3[2] : drawn[2]));
    EXPECT_EQ(recall.reel[1].top, -kCellTwips * drawn[0]);
    EXPECT_EQ(recall.lblheld[3].visible, k == 2) << "free spin " << k;
    EXPECT_FALSE(recall.lblheld[2].visible);
  }
  ASSERT_TRUE(clickRecall(recall.btnnext));
  EXPECT_NE(recall.lblgame.caption.find("FREE SPINS COLLECTED"), std::string::npos);
  EXPECT_FALSE(recall.Picture[1].visible);

  // The first game: the line win, its lines drawn and their runs framed,
  // then its gamble's two cards.
  while (recall.gameShown() > 0) ASSERT_TRUE(clickRecall(recall.btnprevgame));
  const GameRecord lineSpin = recall.games()[0].records[0];
  EXPECT_EQ(lineSpin.id, lineWinId);
  int segments = 0, frames = 0, framesShown = 0;
  std::array<bool, 16> framed{};
  for (const LineWin& w : lineSpin.lineWins) {
    segments += paylineShape(w.line).segments;
    for (int r = 1; r <= w.length; ++r) framed[lineCell(w.line, r)] = true;
  }
  for (int c = 1; c <= 15; ++c) {
    frames += framed[c];
    framesShown += recall.flasher[c].visible;
    EXPECT_EQ(recall.flasher[c].visible, framed[c]) << "cell " << c;
  }
  EXPECT_GT(frames, 0);
  int linesShown = 0;
  for (const Element& e : recall.line) linesShown += e.visible;
  EXPECT_EQ(linesShown, segments);
  EXPECT_NE(recall.lblbet.caption.find("WIN " + moneyText(lineSpin.win)), std::string::npos);
  ASSERT_TRUE(clickRecall(recall.btnnext));
  EXPECT_NE(recall.lblgame.caption.find("GAMBLE"), std::string::npos);
  EXPECT_EQ(recall.gamblecard[1].picture, (PictureRef{ImageListId::Imagelistcards, kHearts, 0}));
  EXPECT_TRUE(recall.gamblecard[2].visible);
  EXPECT_FALSE(recall.gamblecard[3].visible);
  EXPECT_EQ(recall.lblcard[1].caption, "RED WON");
  EXPECT_EQ(recall.lblcard[2].caption, "BLACK LOST");
  EXPECT_NE(recall.lblbet.caption.find("LOST"), std::string::npos);
  EXPECT_TRUE(recall.btnprev.enabled);
  EXPECT_FALSE(recall.btnprevgame.enabled);

  // Back to a cabinet that spins.
  ASSERT_TRUE(clickRecall(recall.btnreturn));
  EXPECT_FALSE(recall.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  const auto games = m.games;
  spin({lose[0], lose[1], lose[2], lose[3], lose[4]});
  EXPECT_EQ(m.games, games + 1);
}

TEST_F(RecordedSession, TheRecallDoesNotOpenWhileAGameIsUnderWay) {
  const Stops trigger3 = *findStops(25, [](const Outcome& o) {
    return o.readout.scattercount == 3 && noWild(o);
  });
  machine.scriptSpin({trigger3[0], trigger3[1], trigger3[2], trigger3[3], trigger3[4]});
  machine.pressSpin();
  ASSERT_EQ(q.freespinmode, -1);
  q.menupic.show();
  machine.cabinet.quovrecall.lastgames_click();
  EXPECT_FALSE(machine.cabinet.quovrecall.screen.visible) << "a series runs";
  EXPECT_TRUE(q.screen.enabled);
}

}  // namespace
}  // namespace quov
