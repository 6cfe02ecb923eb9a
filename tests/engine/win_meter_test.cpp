#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gamble.h"
#include "engine/win_meter.h"
#include "machine_fixture.h"

namespace quov {
namespace {

using testing::MachineTest;

class WinMeter : public MachineTest {
 protected:
  quov::WinMeter& meter() { return machine.engine.winMeter(); }
  // Starts the count-up of a normal-play win and returns what LABWIN shows
  // on each tick until the timer stops.
  std::vector<int> countUp(std::int32_t win) {
    q.spinwin = win;
    meter().clearCount();
    meter().armCount();
    q.Timerwincounter.enable();
    std::vector<int> shown;
    for (int tick = 0; tick < 1000 && q.Timerwincounter.enabled(); ++tick) {
      machine.engine.winMeter().Timerwincounter_tick();
      shown.push_back(std::stoi(q.LABWIN.caption));
    }
    return shown;
  }
};

TEST_F(WinMeter, FourHundredCentsCountUpInGrowingSteps) {
  m.winroll = 1;
  m.bank = 1234;
  q.panelbank.setCaption("stale");
  const std::vector<int> expected{1,   11,  21,  31,  41,  51,  61,  71,  81,
                                  91,  101, 121, 151, 191, 231, 281, 331, 400};
  EXPECT_EQ(countUp(400), expected);
  EXPECT_EQ(q.lblwin.caption, "$ 4");
  EXPECT_EQ(q.panelbank.caption, "1234") << "the credit labels follow at the end";
  EXPECT_EQ(q.Lblcredit.caption, "$ 12.34");
  EXPECT_EQ(meter().state().rolled, 0);
}

TEST_F(WinMeter, TwoThousandCentsPassThroughEveryStepSize) {
  m.winroll = 1;
  q.spinwin = 2000;
  meter().clearCount();
  meter().armCount();
  q.Timerwincounter.enable();
  std::vector<int> steps;
  while (q.Timerwincounter.enabled()) {
    machine.engine.winMeter().Timerwincounter_tick();
    if (steps.empty() || steps.back() != meter().state().rollstep)
      steps.push_back(meter().state().rollstep);
  }
  EXPECT_EQ(steps, (std::vector<int>{10, 20, 30, 40, 50, 80, 60, 100, 150, 200, 500}));
  EXPECT_EQ(q.LABWIN.caption, "2000");
}

TEST_F(WinMeter, SmallWinAndNoRollUp) {
  m.winroll = 1;
  EXPECT_EQ(countUp(5), (std::vector<int>{1, 5}));
  m.winroll = 0;
  m.bank = 777;
  EXPECT_EQ(countUp(2000), (std::vector<int>{2000}));
  EXPECT_EQ(q.Lblcredit.caption, "$ 7.77");
}

TEST_F(WinMeter, WinIsCreditedAtOnceAndTheMeterFollowsOverTime) {
  m.winroll = 1;
  const auto bank = m.bank;
  machine.scriptSpin({10, 7, 2, 2, 2});  // two scatters: 25 cents of scatter pay at least
  machine.pressSpin();
  ASSERT_GT(q.spinwin, 0);
  EXPECT_EQ(m.bank, bank - 25 + q.spinwin) << "credited before the count-up";
  EXPECT_TRUE(q.Timerwincounter.enabled());
  EXPECT_TRUE(q.doublebutton.enabled) << "the gamble is offered";
  ASSERT_TRUE(machine.settle());
  EXPECT_EQ(q.LABWIN.caption, std::to_string(q.spinwin));
  EXPECT_EQ(q.panelbank.caption, std::to_string(m.bank));
}

TEST_F(WinMeter, CollectCreditsTheSeriesTotalOnceAndOffersItToTheGamble) {
  q.freespinsgiven = 11;
  q.freespinsplayed = 11;
  q.freespinmode = 0;
  q.freespinwin = 730;
  q.takewin.show();
  q.takewin.enable();
  const auto bank = m.bank;
  machine.engine.winMeter().takewin_click();
  EXPECT_EQ(m.bank, bank + 730);
  EXPECT_EQ(machine.engine.gamble().carried(), 730);
  EXPECT_EQ(q.freespinwin, 0);
  EXPECT_EQ(q.freespinsgiven, 0);
  EXPECT_TRUE(q.doublebutton.enabled);
  EXPECT_FALSE(q.takewin.visible);
  EXPECT_EQ(q.LABWIN.caption, "730");
  EXPECT_EQ(machine.platform.sound.media.back(), "close quovspin");
  machine.engine.winMeter().takewin_click();  // a second press finds nothing left to collect
  EXPECT_EQ(m.bank, bank + 730);
}

TEST_F(WinMeter, FreeSpinResultHoldsThirtyOneTicksThenTheNextFreeSpinIsDue) {
  q.freespinmode = -1;
  q.freespinsplayed = 4;
  q.freespinwin = 90;
  q.spinwin = 0;
  q.Timerwincounter.enable();
  int ticks = 0;
  while (q.Timerwincounter.enabled() && ticks < 100) {
    machine.engine.winMeter().Timerwincounter_tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 31);
  EXPECT_TRUE(q.Timerrespin.enabled());
  EXPECT_EQ(q.LABWIN.caption, "90");
  EXPECT_EQ(machine.engine.winMeter().state().seriesticks, 0);
}

}  // namespace
}  // namespace quov
