#include "platform/timer.h"

namespace quov {

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  due_ = scheduler_.now() + interval_;
  scheduler_.timers_.push_back(this);
}

void Timer::setEnabled(bool on) {
  if (on && !enabled_) due_ = scheduler_.now() + interval_;
  enabled_ = on;
}

void Timer::setInterval(int ms) {
  interval_ = ms;
  due_ = scheduler_.now() + interval_;
}

void Scheduler::fire(Timer& t) {
  t.running_ = true;
  t.due_ = now_ + t.interval_;
  ++t.ticks;
  if (t.onTick) t.onTick();
  t.running_ = false;
}

int Scheduler::runDue() {
  int fired = 0;
  // Each due timer ticks at most once per call, earliest first; a handler
  // may enable, disable or re-time any timer, so the choice is remade.
  // Only what is due at the moment of the call ticks: a tick re-arms its
  // timer an interval after the current time, so even handlers that sleep
  // and yield (nesting this call) cannot make the loop run on.
  const Millis dueBy = now_;
  for (;;) {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
      if (!t->enabled_ || t->running_ || t->interval_ <= 0 || t->due_ > dueBy) continue;
      if (!best || t->due_ < best->due_) best = t;
    }
    if (!best) return fired;
    fire(*best);
    ++fired;
  }
}

Millis Scheduler::nextDue() const {
  Millis best = kNever;
  for (const Timer* t : timers_)
    if (t->enabled_ && !t->running_ && t->interval_ > 0 && t->due_ < best) best = t->due_;
  return best;
}

void Scheduler::runUntil(Millis until) {
  for (;;) {
    Millis next = nextDue();
    if (next > until) break;
    if (next > now_) now_ = next;
    runDue();
  }
  if (until > now_) now_ = until;
}

}  // namespace quov
