// The desktop event loop drives the game's scheduler on the real clock. The
// tests assert what the scheduler did (when each tick came by its own clock,
// what ran while the thread slept or a box was open), never how many ticks a
// stretch of wall-clock time held: a loaded machine delivers fewer of them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <vector>

#include "desktop/qt_event_loop.h"

namespace quov {
namespace {

// Runs the Qt event loop until `done` holds or the loop ends; false when
// `done` did not hold within a deadline generous enough for a loaded machine.
bool runUntil(QtEventLoop& loop, const std::function<bool()>& done, int deadlineMs = 10000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (loop.ended() || t.elapsed() > deadlineMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return true;
}

void runFor(QtEventLoop& loop, int ms) {
  runUntil(loop, [] { return false; }, ms);
}

TEST(QtEventLoop, TicksComeNoSoonerThanTheirInterval) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 20, false);
  std::vector<Millis> at;
  t.onTick = [&] { at.push_back(loop.scheduler().now()); };
  loop.syncClock();
  const Millis enabledAt = loop.scheduler().now();
  t.enable();
  loop.afterHandler();
  ASSERT_TRUE(runUntil(loop, [&] { return at.size() >= 4; }));
  EXPECT_GE(at.front() - enabledAt, 20);
  for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 20) << "tick " << i;
}

TEST(QtEventLoop, ADisabledTimerNeverTicks) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 10, true);
  t.onTick = [&] { t.disable(); };
  loop.afterHandler();
  ASSERT_TRUE(runUntil(loop, [&] { return t.ticks >= 1; }));
  runFor(loop, 60);
  EXPECT_EQ(t.ticks, 1u);
}

TEST(QtEventLoop, SleepDrawsThenBlocksForItsWholeLength) {
  QtEventLoop loop;
  int repaints = 0;
  loop.onRepaint = [&] { ++repaints; };
  Timer t(loop.scheduler(), "t", 5, true);
  loop.afterHandler();
  QElapsedTimer clock;
  clock.start();
  loop.sleep(60);
  EXPECT_GE(clock.elapsed(), 60);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(t.ticks, 0u);  // nothing ticks while the thread sleeps
  EXPECT_GE(loop.scheduler().now(), 60);
}

TEST(QtEventLoop, YieldRunsTheTicksThatAreDue) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 10, true);
  loop.afterHandler();
  loop.sleep(25);
  loop.yield();
  EXPECT_EQ(t.ticks, 1u);
}

TEST(QtEventLoop, HeldTicksWaitForTheModalBoxToClose) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 10, true);
  loop.afterHandler();
  loop.holdTicks(true);
  runFor(loop, 60);
  EXPECT_EQ(t.ticks, 0u);
  loop.holdTicks(false);
  EXPECT_TRUE(runUntil(loop, [&] { return t.ticks >= 1; }));
}

TEST(QtEventLoop, EndingStopsEveryTick) {
  QtEventLoop loop;
  bool ended = false;
  loop.onEnd = [&] { ended = true; };
  Timer t(loop.scheduler(), "t", 10, true);
  loop.afterHandler();
  loop.endProgram();
  runFor(loop, 50);
  EXPECT_TRUE(ended);
  EXPECT_EQ(t.ticks, 0u);
}

}  // namespace
}  // namespace quov
