#include "desktop/qt_event_loop.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

namespace quov {

QtEventLoop::QtEventLoop() {
  clock_.start();
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  connect(&wake_, &QTimer::timeout, this, [this] { runTimers(); });
}

void QtEventLoop::syncClock() { scheduler_.setNow(clock_.elapsed()); }

void QtEventLoop::runTimers() {
  if (ended_ || held_ > 0) return;
  syncClock();
  scheduler_.runDue();
  afterHandler();
}

void QtEventLoop::arm() {
  if (ended_ || held_ > 0) {
    wake_.stop();
    return;
  }
  syncClock();
  const Millis due = scheduler_.nextDue();
  if (due == Scheduler::kNever) {
    wake_.stop();
    return;
  }
  wake_.start(static_cast<int>(std::clamp<Millis>(due - scheduler_.now(), 0, 1 << 30)));
}

void QtEventLoop::afterHandler() {
  if (onChange) onChange();
  arm();
}

void QtEventLoop::yield() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (ended_) return;
  syncClock();
  if (held_ == 0) scheduler_.runDue();
  afterHandler();
}

void QtEventLoop::sleep(int ms) {
  // Once the program has ended, a handler the shut-down interrupted runs to
  // its end without pauses: nothing is drawn any more.
  if (ms <= 0 || ended_) return;
  // Back-to-back sleeps (the frames of an animation) count from where the
  // last one should have ended, so drawing and waking late do not add up.
  const auto now = std::chrono::steady_clock::now();
  const bool chained = now - lastWake_ < std::chrono::milliseconds(kChainSlackMs);
  const auto until = (chained ? lastWake_ : now) + std::chrono::milliseconds(ms);
  if (onRepaint) onRepaint();
  std::this_thread::sleep_until(until);
  lastWake_ = until;
  syncClock();
}

void QtEventLoop::endProgram() {
  if (ended_) return;
  ended_ = true;
  wake_.stop();
  if (onEnd) onEnd();
  QCoreApplication::exit(0);
}

void QtEventLoop::holdTicks(bool hold) {
  held_ = std::max(0, held_ + (hold ? 1 : -1));
  if (held_ == 0) arm();
}

}  // namespace quov
