#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "headless/headless_platform.h"

namespace quov {
namespace {

TEST(Scheduler, TicksEnabledTimersAtTheirIntervalsAndNeverDisabledOnes) {
  HeadlessLoop loop;
  Timer fast(loop.scheduler(), "fast", 50, true);
  Timer slow(loop.scheduler(), "slow", 200, true);
  Timer off(loop.scheduler(), "off", 10, false);
  loop.runUntil(1000);
  EXPECT_EQ(fast.ticks, 20u);
  EXPECT_EQ(slow.ticks, 5u);
  EXPECT_EQ(off.ticks, 0u);
}

TEST(Scheduler, SleepAdvancesTimeWithoutTickingAndYieldRunsWhatIsDue) {
  HeadlessLoop loop;
  Timer t(loop.scheduler(), "t", 50, true);
  loop.sleep(500);
  EXPECT_EQ(t.ticks, 0u);
  EXPECT_EQ(loop.scheduler().now(), 500);
  loop.yield();
  EXPECT_EQ(t.ticks, 1u) << "overdue ticks coalesce into one";
  loop.yield();
  EXPECT_EQ(t.ticks, 1u) << "the next tick is an interval away";
}

TEST(Scheduler, TimerNeverReentersItsOwnRunningHandler) {
  HeadlessLoop loop;
  Timer t(loop.scheduler(), "t", 50, true);
  Timer other(loop.scheduler(), "other", 50, true);
  int depth = 0, maxDepth = 0;
  t.onTick = [&] {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    loop.sleep(200);
    loop.yield();  // the other timer may run here, this one may not
    --depth;
  };
  loop.runUntil(1000);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GT(other.ticks, 0u);
}

TEST(Scheduler, EnablingRestartsTheCountdownButReenablingARunningTimerDoesNot) {
  HeadlessLoop loop;
  Timer t(loop.scheduler(), "t", 100, false);
  loop.runUntil(250);
  t.enable();
  loop.runUntil(340);
  EXPECT_EQ(t.ticks, 0u);
  t.enable();  // already on: the countdown goes on
  loop.runUntil(350);
  EXPECT_EQ(t.ticks, 1u);
  t.setInterval(500);
  loop.runUntil(800);
  EXPECT_EQ(t.ticks, 1u);
  loop.runUntil(850);
  EXPECT_EQ(t.ticks, 2u);
}

TEST(Scheduler, TimersDueTogetherTickInTheOrderTheyWereMadeWhateverHandlersRetime) {
  HeadlessLoop loop;
  Timer a(loop.scheduler(), "a", 100, true);
  Timer b(loop.scheduler(), "b", 100, true);
  Timer c(loop.scheduler(), "c", 300, false);
  std::vector<std::string> log;
  auto note = [&](const Timer& t) { log.push_back(t.name() + std::to_string(loop.scheduler().now())); };
  a.onTick = [&] {
    note(a);
    if (a.ticks == 1) {
      b.disable();  // due at this very moment, after a: it must not tick now
      c.enable();
    } else if (a.ticks == 2) {
      b.enable();
      a.setInterval(250);  // the soonest timer goes later
    }
  };
  b.onTick = [&] { note(b); };
  c.onTick = [&] { note(c); };
  loop.runUntil(700);
  EXPECT_EQ(log, (std::vector<std::string>{"a100", "a200", "b300", "b400", "c400", "a450", "b500",
                                           "b600", "a700", "b700", "c700"}));
}

// A part that makes its timers after the main screen's puts them where they
// always stood among them, so timers due together keep their order.
TEST(Scheduler, ATimerPlacedBeforeAnotherTicksBeforeItAndTheOthersKeepTheirOwnSlots) {
  HeadlessLoop loop;
  Timer a(loop.scheduler(), "a", 100, true);
  Timer b(loop.scheduler(), "b", 100, true);
  std::vector<std::string> log;
  auto note = [&](const Timer& t) { log.push_back(t.name() + std::to_string(loop.scheduler().now())); };
  a.onTick = [&] { note(a); };
  b.onTick = [&] { note(b); };
  loop.runUntil(100);
  Timer c(loop.scheduler(), "c", 100, true, b);
  Timer d(loop.scheduler(), "d", 100, true);
  c.onTick = [&] {
    note(c);
    if (c.ticks == 2) b.disable();  // b's own slot, not the one c took
  };
  d.onTick = [&] { note(d); };
  loop.runUntil(300);
  EXPECT_EQ(log, (std::vector<std::string>{"a100", "b100", "a200", "c200", "b200", "d200", "a300",
                                           "c300", "d300"}));
}

// Many timers switched, re-timed and nested at random: each tick goes to the
// timer a plain search of all of them picks (the earliest due and, among
// those due together, the first made), and no timer due when a yield began
// is still waiting when it returns.
TEST(Scheduler, EveryTickGoesToTheEarliestDueFirstMadeTimerThroughRandomRetiming) {
  HeadlessLoop loop;
  Scheduler& s = loop.scheduler();
  std::vector<std::unique_ptr<Timer>> timers;
  for (int i = 0; i < 9; ++i)
    timers.push_back(
        std::make_unique<Timer>(s, "t" + std::to_string(i), 10 * (1 + i % 4), i % 3 != 0));
  std::uint64_t state = 12345;
  auto draw = [&](int n) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
  };
  // When each timer could tick, as last seen while nothing ticked.
  std::vector<Millis> due(timers.size());
  auto look = [&](const Timer* finishing) {
    for (std::size_t i = 0; i < timers.size(); ++i) {
      const Timer& t = *timers[i];
      const bool free = !t.running() || &t == finishing;
      due[i] = t.enabled() && free && t.interval() > 0 ? t.due() : Scheduler::kNever;
    }
  };
  std::vector<Millis> dueBy;  // of each yield under way, innermost last
  int ticks = 0, wrong = 0;
  auto yield = [&] {
    dueBy.push_back(s.now());
    look(nullptr);
    loop.yield();
    look(nullptr);
    for (const Millis d : due)
      if (d <= dueBy.back()) ++wrong;  // left due
    dueBy.pop_back();
  };
  for (std::size_t i = 0; i < timers.size(); ++i) {
    Timer& self = *timers[i];
    self.onTick = [&, i] {
      const std::size_t first =
          static_cast<std::size_t>(std::min_element(due.begin(), due.end()) - due.begin());
      if (first != i || due[i] > dueBy.back()) ++wrong;
      ++ticks;
      if (draw(4) == 0) {  // a handler that waits lets the others tick
        loop.sleep(draw(25));
        yield();
      }
      Timer& other = *timers[static_cast<std::size_t>(draw(9))];
      switch (draw(6)) {
        case 0: other.disable(); break;
        case 1:
        case 2: other.enable(); break;
        case 3: other.setInterval(draw(4) * 10); break;  // 0 stops it while enabled
        default: break;
      }
      look(&self);
    };
  }
  for (int step = 0; step < 4000; ++step) {
    loop.sleep(5);
    yield();
  }
  EXPECT_GT(ticks, 2000);
  EXPECT_EQ(wrong, 0);
}

TEST(Scheduler, PostedInputIsDeliveredAtTheNextYield) {
  HeadlessLoop loop;
  int clicks = 0;
  loop.post([&] { ++clicks; });
  loop.sleep(100);
  EXPECT_EQ(clicks, 0);
  loop.yield();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace quov
