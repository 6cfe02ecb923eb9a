#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "cabinet/controls.h"
#include "engine/jackpot.h"
#include "machine_fixture.h"
#include "mainscreen/timing.h"
#include "rules/jackpot.h"

namespace quov {
namespace {

using testing::MachineTest;

constexpr Millis kSequenceLimit = 60000;

TEST(JackpotBoard, SixteenCellsPayTheirShareOfPrizes) {
  std::map<JackpotPrize, int> cells;
  for (int c = 1; c <= kBoardCells; ++c) ++cells[boardCell(c).prize];
  EXPECT_EQ(cells[JackpotPrize::BetX10], 6);
  EXPECT_EQ(cells[JackpotPrize::BetX20], 4);
  EXPECT_EQ(cells[JackpotPrize::BetX30], 2);
  EXPECT_EQ(cells[JackpotPrize::Minor], 2);
  EXPECT_EQ(cells[JackpotPrize::Major], 1);
  EXPECT_EQ(cells[JackpotPrize::Grand], 1);
  EXPECT_EQ(boardCell(4).prize, JackpotPrize::Grand);
  EXPECT_EQ(boardCell(13).prize, JackpotPrize::Major);
  EXPECT_EQ(boardCell(9).left, 9500);
  EXPECT_EQ(boardCell(9).top, 4900);
  // A bet multiple that equals a meter counts as that meter.
  const PrizeValues v{200000, 20000, 2000, 1000, 2000, 3000};
  EXPECT_EQ(prizeByValue(2000, v), JackpotPrize::Minor);
  EXPECT_EQ(prizeByValue(3000, v), JackpotPrize::BetX30);
  EXPECT_EQ(prizeByValue(1234, v), JackpotPrize::None);
  EXPECT_EQ(meterByValue(20000, v), JackpotPrize::Major);
  EXPECT_EQ(betMultiple(500, 30), std::optional<std::int16_t>(15000));
  EXPECT_EQ(betMultiple(2000, 30), std::nullopt);
}

class Jackpot : public MachineTest {
 protected:
  // A press that draws jackpot time, with the ball's start and stop cells.
  void pressJackpot(int startCell, int target) {
    machine.platform.random.push({1, startCell, target});
    machine.pressSpin();
  }
  void runToEnd() {
    ASSERT_TRUE(machine.runUntil([&] { return !machine.jackpotTime(); }, kSequenceLimit, 50));
    EXPECT_EQ(machine.platform.random.pending(), 0u);
  }
};

TEST_F(Jackpot, AtCreditZeroItRunsAndPaysWithoutTakingABet) {
  m.bank = 0;
  m.soundonoff = -1;
  pressJackpot(5, 2);  // cell 2 pays ten times the bet
  EXPECT_TRUE(machine.jackpotTime());
  EXPECT_EQ(q.spinsleft.caption, "  ****   JACKPOT TIME   ****");
  EXPECT_FALSE(q.pannomoney.visible) << "no credit check";
  std::vector<std::string> shown;
  ASSERT_TRUE(machine.runUntil(
      [&] {
        if (machine.engine.jackpot().board.lbljackpotwon.visible && (shown.empty() || shown.back() != machine.engine.jackpot().board.lbljackpotwon.caption))
          shown.push_back(machine.engine.jackpot().board.lbljackpotwon.caption);
        return !machine.jackpotTime();
      },
      kSequenceLimit, 50));
  EXPECT_EQ(shown, std::vector<std::string>{"BET X 10  = 250"});
  EXPECT_EQ(m.bank, 250);
  EXPECT_EQ(q.panelbank.caption, "250");
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.wager, 0);
  EXPECT_EQ(m.total, 0);
  EXPECT_EQ(m.jackpotbank, 0) << "bet multiples are no jackpots";
  EXPECT_EQ(q.LABWIN.caption, "250");
  EXPECT_EQ(machine.platform.sound.count(139), 1);
  EXPECT_EQ(machine.platform.sound.count(125), 1);
  EXPECT_GT(machine.platform.sound.count(123), 16) << "two laps and the slowing one";
  EXPECT_TRUE(q.panfreespin.visible);
  EXPECT_TRUE(q.Picture[3].visible);
  EXPECT_FALSE(machine.engine.jackpot().board.jackpotframe.visible);
}

TEST_F(Jackpot, TheBallRunsTwoLapsThenSlowsDownToItsCell) {
  std::vector<int> cells, intervals;
  auto tick = machine.engine.jackpot().tmrdecidejackpot.onTick;
  machine.engine.jackpot().tmrdecidejackpot.onTick = [&] {
    tick();
    cells.push_back(machine.engine.jackpot().state().ballcell);
    intervals.push_back(machine.engine.jackpot().tmrdecidejackpot.interval());
  };
  pressJackpot(14, 3);
  runToEnd();
  // The lap it starts on, one full lap, then the slowing lap up to cell 3.
  std::vector<int> expected{15, 16, 1};
  for (int c = 2; c <= 16; ++c) expected.push_back(c);
  expected.push_back(1);  // the second lap's end shows cell 1 of the last lap
  expected.insert(expected.end(), {2, 3});
  EXPECT_EQ(cells, expected);
  EXPECT_EQ(intervals.back(), 300) << "each slowing step waits 100 ms longer";
  EXPECT_EQ(machine.engine.jackpot().board.jackpotball11.left, 4350);
  EXPECT_EQ(machine.engine.jackpot().board.jackpotframe.top, 675);
}

TEST_F(Jackpot, TwentyFiveLinesAtTwentyCentsPayFiveTenAndFifteenThousand) {
  q.betlevel = 6;
  q.betperline = 20;
  const int cells[3] = {2, 1, 8};
  const std::int32_t pays[3] = {5000, 10000, 15000};
  const char* captions[3] = {"BET X 10  = 5000", "BET X 20  = 10000", "BET X 30  = 15000"};
  for (int i = 0; i < 3; ++i) {
    const auto bank = m.bank;
    pressJackpot(1, cells[i]);
    ASSERT_TRUE(machine.runUntil([&] { return machine.engine.jackpot().board.lbljackpotwon.visible; }, kSequenceLimit, 50));
    EXPECT_EQ(machine.engine.jackpot().board.lbljackpotwon.caption, captions[i]);
    runToEnd();
    EXPECT_EQ(m.bank, bank + pays[i]);
    machine.advance(100);
  }
}

TEST_F(Jackpot, ABetMultipleEqualToTheMinorIsShownAndBookedAsTheMinor) {
  q.linesplayed = 5;
  q.betlevel = 6;
  q.betperline = 20;  // total bet 100: twenty times is 2000, the minor's floor
  m.minor = kMinorFloor;
  const auto bank = m.bank;
  pressJackpot(1, 1);
  ASSERT_TRUE(machine.runUntil([&] { return machine.engine.jackpot().board.jackpotpicture.visible; }, kSequenceLimit, 50));
  EXPECT_GE(machine.engine.jackpot().board.jackpotpicture.picture.index, 1);
  EXPECT_LE(machine.engine.jackpot().board.jackpotpicture.picture.index, 4) << "the minor's pictures";
  EXPECT_FALSE(machine.engine.jackpot().board.lbljackpotwon.visible);
  runToEnd();
  EXPECT_EQ(m.bank, bank + 2000);
  EXPECT_EQ(m.jackpotbank, 2000);
  EXPECT_EQ(m.minorwon, 0) << "the ball did not stop on a minor cell";
  EXPECT_EQ(m.minor, kMinorFloor);
}

TEST_F(Jackpot, WinningTheGrandResetsOnlyTheGrand) {
  m.grand = 250000;
  m.major = 30000;
  m.minor = 4000;
  const auto bank = m.bank;
  pressJackpot(9, 4);
  runToEnd();
  EXPECT_EQ(m.bank, bank + 250000);
  EXPECT_EQ(m.jackpotbank, 250000);
  EXPECT_EQ(m.grandwon, 1);
  EXPECT_EQ(m.grand, kGrandFloor);
  EXPECT_EQ(q.lblgrand.caption, "$ 2000");
  EXPECT_EQ(m.major, 30000);
  EXPECT_EQ(m.minor, 4000);
  EXPECT_GE(machine.engine.jackpot().board.jackpotpicture.picture.index, 9) << "the grand's pictures";
  EXPECT_LE(machine.engine.jackpot().board.jackpotpicture.picture.index, 12);
}

TEST_F(MachineTest, TheTickerKeepsTheMeterCaptionsWhateverElseWritesThem) {
  ASSERT_EQ(q.lblminor.caption, "$ 20");
  m.minor = 2575;
  machine.advance(timing::kTick);
  EXPECT_EQ(q.lblminor.caption, "$ 25.75") << "a meter that moved is shown at once";
  // Words put on a meter's label by anything else last one tick at most,
  // whether or not the meter moved.
  q.lblmajor.setCaption("junk");
  machine.advance(timing::kTick);
  EXPECT_EQ(q.lblmajor.caption, "$ 200");
  q.lblgrand.setCaption("junk");
  m.grand = 200001;
  machine.advance(timing::kTick);
  EXPECT_EQ(q.lblgrand.caption, "$ 2000.01");
  EXPECT_EQ(q.lblminor.caption, "$ 25.75");
}

TEST_F(Jackpot, NoSpinStartsWhileItRunsAndThePrizeIsPaid) {
  m.major = 30000;
  q.autoplaymode = 10;
  const auto bank = m.bank, games = m.games;
  const auto grand = m.grand, minor = m.minor;
  pressJackpot(3, 13);  // the major
  EXPECT_FALSE(q.tmrautospin.enabled());
  const auto draws = machine.platform.random.draws();
  int attempts = 0;
  ASSERT_TRUE(machine.runUntil(
      [&] {
        if (!machine.jackpotTime()) return true;
        // The spin button, the space bar and the autoplay timer, each time
        // the idle ticker has allowed input again.
        if (q.inputAllowed()) {
          machine.pressSpin();
          machine.key(32);
          machine.cabinet.controls().tmrautospin_tick();
          ++attempts;
        }
        return false;
      },
      kSequenceLimit, 50));
  EXPECT_GT(attempts, 20);
  EXPECT_EQ(machine.platform.random.draws(), draws + 1) << "only the ball's stop cell was drawn";
  EXPECT_EQ(m.games, games);
  EXPECT_EQ(m.grand, grand) << "no spin moved the meters";
  EXPECT_EQ(m.minor, minor);
  EXPECT_EQ(m.bank, bank + 30000);
  EXPECT_EQ(m.majorwon, 1);
  EXPECT_EQ(m.major, kMajorFloor);
  EXPECT_TRUE(q.tmrautospin.enabled()) << "autoplay goes on after the prize";
}

}  // namespace
}  // namespace quov
