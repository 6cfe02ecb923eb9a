// The desktop event loop drives the game's scheduler on the real clock.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/qt/qt_event_loop.h"

namespace quov {
namespace {

void runFor(QtEventLoop& loop, int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (loop.ended()) break;
  }
}

TEST(QtEventLoop, TicksTimersAtTheirIntervals) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 20, false);
  loop.syncClock();
  t.enable();
  loop.afterHandler();
  runFor(loop, 210);
  EXPECT_GE(t.ticks, 8u);
  EXPECT_LE(t.ticks, 11u);
}

TEST(QtEventLoop, ADisabledTimerNeverTicks) {
  QtEventLoop loop;
  Timer t(loop.scheduler(), "t", 10, true);
  t.onTick = [&] { t.disable(); };
  loop.afterHandler();
  runFor(loop, 100);
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
  runFor(loop, 30);
  EXPECT_GE(t.ticks, 1u);
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
