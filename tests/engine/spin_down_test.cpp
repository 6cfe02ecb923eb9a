#include <gtest/gtest.h>

#include "machine_fixture.h"
#include "outcomes.h"

namespace quov {
namespace {

using testing::MachineTest;

struct SpeedCase {
  int reelspeed, frames, frameMs;
};

class SpinDownSpeeds : public MachineTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SpinDownSpeeds, TotalSleepAndRestingPlaces) {
  const SpeedCase c = GetParam();
  m.reelspeed = static_cast<std::int16_t>(c.reelspeed);
  int frames = 0;
  bool tickerOnDuringAnimation = false;
  machine.platform.loop.onSleep = [&](int ms) {
    EXPECT_EQ(ms, c.frameMs);
    ++frames;
    tickerOnDuringAnimation = tickerOnDuringAnimation || q.tmrtick.enabled();
  };
  const auto slept = machine.platform.loop.slept;
  machine.scriptSpin({3, 8, 13, 18, 22});
  machine.pressSpin();
  EXPECT_EQ(frames, c.frames);
  EXPECT_EQ(machine.platform.loop.slept - slept, static_cast<Millis>(c.frames) * c.frameMs);
  EXPECT_FALSE(tickerOnDuringAnimation);
  EXPECT_TRUE(q.tmrtick.enabled()) << "the idle ticker comes back at the end";
  const int stops[6] = {0, 3, 8, 13, 18, 22};
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(q.reel[r].top, -1875 * stops[r]) << "reel " << r;
}

INSTANTIATE_TEST_SUITE_P(AllSpeeds, SpinDownSpeeds,
                         ::testing::Values(SpeedCase{1, 169, 11}, SpeedCase{2, 181, 12},
                                           SpeedCase{4, 211, 13}, SpeedCase{8, 269, 14},
                                           SpeedCase{10, 229, 15}));

TEST_F(MachineTest, TickerIsOffFromTheSpinStartAndInputStaysOutUntilItTicks) {
  machine.scriptSpin({1, 1, 1, 1, 1});
  machine.pressSpin();
  EXPECT_FALSE(q.inputAllowed()) << "a press right after the spin is shut out";
  const auto games = m.games;
  machine.pressSpin();
  EXPECT_EQ(m.games, games);
  machine.advance(60);
  EXPECT_TRUE(q.inputAllowed());
}

TEST_F(MachineTest, StopClipsSoundOnlyWithSoundOnAndScatterClipsFollowTheScatters) {
  m.soundonoff = -1;
  machine.platform.sound.clear();
  machine.scriptSpin({10, 7, 1, 1, 1});  // scatters on reels 1 and 2
  machine.pressSpin();
  auto ids = machine.platform.sound.ids();
  EXPECT_EQ(machine.platform.sound.count(104), 5);
  EXPECT_EQ(machine.platform.sound.count(142), 1);
  EXPECT_EQ(machine.platform.sound.count(143), 1);
  EXPECT_EQ(machine.platform.sound.count(144), 0);

  m.soundonoff = 0;
  ASSERT_TRUE(machine.settle());
  machine.platform.sound.clear();
  machine.scriptSpin({10, 7, 1, 1, 1});
  machine.pressSpin();
  EXPECT_TRUE(machine.platform.sound.ids().empty());
}

}  // namespace
}  // namespace quov
