#include <gtest/gtest.h>

#include <climits>

#include "machine_fixture.h"
#include "outcomes.h"
#include "rules/checked.h"
#include "rules/money.h"

namespace quov {
namespace {

TEST(MoneyText, ShortestDecimalOfDollars) {
  EXPECT_EQ(moneyText(0), "$ 0");
  EXPECT_EQ(moneyText(5), "$ 0.05");
  EXPECT_EQ(moneyText(250), "$ 2.5");
  EXPECT_EQ(moneyText(25), "$ 0.25");
  EXPECT_EQ(moneyText(200000), "$ 2000");
  EXPECT_EQ(moneyText(-130), "$ -1.3");
  EXPECT_EQ(moneyText(INT_MAX), "$ 21474836.47");
  EXPECT_EQ(moneyText(INT_MIN), "$ -21474836.48");
  EXPECT_EQ(plainCents(-7), "-7");
}

TEST(CheckedArithmetic, AnOverflowingStatementIsSkipped) {
  std::int32_t bank = INT_MAX;
  EXPECT_FALSE(add(bank, 5000));
  EXPECT_EQ(bank, INT_MAX);
  std::int16_t count = 32767;
  EXPECT_FALSE(add(count, 1));
  EXPECT_EQ(count, 32767);
  std::int16_t small = -32768;
  EXPECT_FALSE(sub(small, 1));
  EXPECT_TRUE(add(small, 1));
  EXPECT_EQ(small, -32767);
  std::int32_t stake = 1 << 30;
  EXPECT_FALSE(mul(stake, 2));
  EXPECT_EQ(stake, 1 << 30);
}

TEST(CheckedArithmetic, FailedConversionsLeaveTheVariable) {
  std::int16_t v = 7;
  for (const char* bad : {"", "abc", "12x", "1.5", "32768", "-32769", "--1", "+-5", "-+5", "++5", "+", "- 5", "0x10",
                          "\x01\xff"})
    EXPECT_FALSE(parseInto(v, bad)) << bad;
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(parseInto(v, " -1 "));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(parseInto(v, "+5"));
  EXPECT_EQ(v, 5);
  std::int32_t w = 0;
  EXPECT_TRUE(parseInto(w, "2147483647"));
  EXPECT_FALSE(parseInto(w, "2147483648"));
  EXPECT_EQ(w, INT_MAX);
}

TEST(MachineState, FreshInstallationStartsWithTheDefaults) {
  HeadlessMachine machine;
  machine.start();
  const Modquov& m = machine.mod;
  const Quov& q = machine.quov;
  EXPECT_EQ(m.bank, 0);
  EXPECT_EQ(m.machinepay, 4);
  EXPECT_EQ(m.reelspeed, 1);
  EXPECT_EQ(m.soundonoff, 0);
  EXPECT_EQ(m.grand, 200000);
  EXPECT_EQ(m.major, 20000);
  EXPECT_EQ(m.minor, 2000);
  EXPECT_EQ(q.linesplayed, 25);
  EXPECT_EQ(q.betperline, 1);
  EXPECT_EQ(q.Lblcredit.caption, "$ 0");
  EXPECT_EQ(q.lblgrand.caption, "$ 2000");
  EXPECT_EQ(q.lblmajor.caption, "$ 200");
  EXPECT_EQ(q.lblminor.caption, "$ 20");
  EXPECT_EQ(q.lbltotallast.caption, "$ 0.25");
  EXPECT_EQ(q.screen.caption, "Current Player       ");
}

TEST(MachineState, CreditAtTheTopOfTheRangeCannotGrow) {
  HeadlessMachine machine;
  machine.platform.store.write("quovslot", "player1", "bank", "2147483647");
  machine.platform.store.write("quovslot", "player1", "machinepay", "1");
  machine.start();
  machine.advance(100);
  const auto stops = *testing::findStops(25, [](const testing::Outcome& o) {
    return o.readout.scattercount == 2 && o.lineWin > 0 && testing::noWild(o);
  });
  machine.scriptSpin({stops[0], stops[1], stops[2], stops[3], stops[4]});
  machine.pressSpin();
  ASSERT_GT(machine.quov.spinwin, 25);
  EXPECT_EQ(machine.mod.bank, 2147483647 - 25) << "the win would overflow and is not added";
}

}  // namespace
}  // namespace quov
