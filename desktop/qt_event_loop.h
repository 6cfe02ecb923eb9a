// The desktop event loop: the game's scheduler on a monotonic clock, woken
// by one single-shot Qt timer armed for the next due tick. Every handler the
// window runs is followed by `afterHandler`, which re-arms the timer and lets
// the window catch up with what the handler changed.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

#include "platform/services.h"

namespace quov {

class QtEventLoop : public QObject, public EventLoop {
  Q_OBJECT
 public:
  QtEventLoop();

  Scheduler& scheduler() override { return scheduler_; }
  // Delivers the pending window events, then the timer ticks that are due.
  void yield() override;
  // Draws what changed, then blocks until `ms` after the call.
  void sleep(int ms) override;
  void endProgram() override;

  bool ended() const override { return ended_; }
  // Brings the scheduler's clock up to the monotonic clock.
  void syncClock();
  // After any handler: re-arm the wake-up and let the window follow.
  void afterHandler();
  // While a modal box is open no tick is delivered.
  void holdTicks(bool hold);

  std::function<void()> onChange;    // after every handler and tick
  std::function<void()> onRepaint;   // a synchronous redraw before a sleep
  std::function<void()> onEnd;       // the program ends

 private:
  void runTimers();
  void arm();
  static constexpr int kChainSlackMs = 5;
  Scheduler scheduler_;
  QElapsedTimer clock_;
  std::chrono::steady_clock::time_point lastWake_{};
  QTimer wake_;
  bool ended_ = false;
  int held_ = 0;
};

}  // namespace quov
