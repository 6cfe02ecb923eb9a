// Beside the player's statistics: what each payout setting is expected to
// return at the cabinet's lines and bet, from the rules' own table, and the
// game history's meters of the chosen slot, read once and kept up to date
// with every game.
#include <cmath>
#include <string>

#include "cabinet/controls.h"
#include "mainscreen/quov.h"
#include "records/history_ledger.h"
#include "rules/expected_return.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "tests/records/options_fixture.h"

namespace quov {
namespace {

using testing::OptionsTest;

constexpr int kPayouts[3] = {4, 3, 1};  // Amtpayout(0), (1), (2)

// The whole percent a caption such as "531 %" shows.
long percentShown(const Element& e) {
  const std::string& c = e.caption;
  EXPECT_EQ(c.substr(c.size() > 2 ? c.size() - 2 : 0), " %") << c;
  return std::stol(c);
}

long percentOf(double fraction) { return std::lround(100 * fraction); }

class OptionsFigures : public OptionsTest {
 protected:
  // What a reading of the whole history gives for a slot.
  IntegrityMeters counted(int slot) {
    IntegrityMeters h;
    for (const GameRecord& r : machine.platform.history.records)
      if (r.slot == slot) h.add(r);
    return h;
  }
  void expectHistoryOf(int slot, const IntegrityMeters& h) {
    EXPECT_EQ(o.historyframe.caption, "Game history, slot " + std::to_string(slot));
    EXPECT_EQ(o.histvalue[0].caption, moneyText(h.moneyIn));
    EXPECT_EQ(o.histvalue[1].caption, moneyText(h.moneyPlayed));
    EXPECT_EQ(o.histvalue[2].caption, moneyText(h.moneyWon));
    EXPECT_EQ(o.histvalue[3].caption, moneyText(h.jackpotsPaid));
    EXPECT_EQ(o.histvalue[4].caption, std::to_string(h.games));
  }
  void spins(int n) {
    for (int i = 0; i < n; ++i) {
      ASSERT_TRUE(machine.click(q.btnspin));
      ASSERT_TRUE(machine.settle());
    }
  }
  void ok() { click(o.btnokplayer); }
  Controls& controls() { return machine.cabinet.controls(); }
};

TEST_F(OptionsFigures, EachPayoutSettingShowsItsExpectedReturnAtTheCabinetsBet) {
  open();
  EXPECT_EQ(o.payoutnote.caption,
            "Expected at 25 lines × 1 cent, the jackpots at their starting amounts");
  long without[3], with[3];
  for (int i = 0; i < 3; ++i) {
    const ExpectedReturn r = *returnTable().at(kPayouts[i], 25, 1);
    without[i] = percentShown(o.payoutreturn[i]);
    with[i] = percentShown(o.payoutjackpots[i]);
    EXPECT_EQ(without[i], percentOf(r.withoutJackpots())) << i;
    EXPECT_EQ(with[i], percentOf(r.withJackpots())) << i;
    EXPECT_NE(o.payoutreturn[i].toolTip.find("exact over every stop"), std::string::npos);
    EXPECT_NE(o.payoutjackpots[i].toolTip.find("estimated"), std::string::npos);
  }
  // Fewer wins voided, more returned: Realistic, Loose, Dream Machine.
  EXPECT_LT(without[0], without[1]);
  EXPECT_LT(without[1], without[2]);
  // At 25 cents staked the board's prizes at their starting amounts come
  // to 481 % of the stake whatever the payout setting.
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(with[i] - without[i], 481, 1) << i;

  // One line at 20 cents: the jackpots' share shrinks to a few per cent of
  // the stake, the reels' return is that of one line.
  ok();
  for (int press = 0; press < 5 && q.linesplayed != 1; ++press) controls().payline_mousedown();
  for (int press = 0; press < 5; ++press) controls().btnbet_mousedown();  // 1 -> 20 cents
  ASSERT_EQ(q.linesplayed, 1);
  ASSERT_EQ(q.betperline, 20);
  open();
  EXPECT_EQ(o.payoutnote.caption,
            "Expected at 1 line × 20 cents, the jackpots at their starting amounts");
  for (int i = 0; i < 3; ++i) {
    const ExpectedReturn r = *returnTable().at(kPayouts[i], 1, 20);
    EXPECT_EQ(percentShown(o.payoutreturn[i]), percentOf(r.withoutJackpots())) << i;
    EXPECT_EQ(percentShown(o.payoutjackpots[i]), percentOf(r.withJackpots())) << i;
    EXPECT_NEAR(percentShown(o.payoutjackpots[i]) - percentShown(o.payoutreturn[i]),
                percentOf(jackpotReturnAtFloor(20)), 1);
  }
}

TEST_F(OptionsFigures, TheHistoryOfTheChosenSlotFollowsEveryGameKept) {
  // Before the meters are first asked for: a coin and three spins.
  controls().coinsin_mousedown();
  controls().coinsin_mouseup();
  spins(3);
  open();
  const IntegrityMeters first = counted(1);
  EXPECT_EQ(first.moneyIn, 5000);
  EXPECT_EQ(first.games, 3);
  EXPECT_EQ(first.moneyPlayed, 75);
  expectHistoryOf(1, first);
  const double measured = 100.0 * static_cast<double>(first.moneyWon + first.jackpotsPaid) / 75;
  EXPECT_EQ(std::stod(o.histvalue[5].caption), std::round(measured * 10) / 10);
  // Expected now: the table's figure at Zoë's payout setting, 3.
  EXPECT_EQ(percentShown(o.histvalue[7]), percentOf(returnTable().at(3, 25, 1)->withJackpots()));
  EXPECT_EQ(percentShown(o.histvalue[8]), percentOf(returnTable().at(3, 25, 1)->withoutJackpots()));

  // Bob's slot has no games in the history; his setting is payout 1.
  click(o.machine[2]);
  expectHistoryOf(2, IntegrityMeters{});
  EXPECT_EQ(o.histvalue[5].caption, "–") << "no return before any play";
  EXPECT_EQ(percentShown(o.histvalue[7]), percentOf(returnTable().at(1, 25, 1)->withJackpots()));
  // Choosing a payout setting changes what is expected now.
  click(o.Amtpayout[0]);
  EXPECT_EQ(percentShown(o.histvalue[7]), percentOf(returnTable().at(4, 25, 1)->withJackpots()));

  // Two spins for Bob, counted as they are kept, and one the history could
  // not keep, counted nowhere.
  ok();
  spins(2);
  machine.platform.history.failing = true;
  spins(1);
  machine.platform.history.failing = false;
  open();
  const IntegrityMeters bob = counted(2);
  EXPECT_EQ(bob.games, 2);
  expectHistoryOf(2, bob);
  click(o.machine[1]);
  expectHistoryOf(1, first);
}

}  // namespace
}  // namespace quov
