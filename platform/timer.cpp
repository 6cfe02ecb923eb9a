#include "platform/timer.h"

namespace quov {

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  due_ = scheduler_.now() + interval_;
  scheduler_.insert(*this, scheduler_.timers_.size());
  noteDue();
}

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled,
             const Timer& next)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  due_ = scheduler_.now() + interval_;
  scheduler_.insert(*this, next.index_);
  noteDue();
}

void Timer::setEnabled(bool on) {
  if (on && !enabled_) due_ = scheduler_.now() + interval_;
  enabled_ = on;
  noteDue();
}

void Timer::setInterval(int ms) {
  interval_ = ms;
  due_ = scheduler_.now() + interval_;
  noteDue();
}

void Timer::noteDue() {
  scheduler_.noteDue(index_, enabled_ && !running_ && interval_ > 0 ? due_ : Scheduler::kNever);
}

void Scheduler::insert(Timer& t, std::size_t at) {
  timers_.insert(timers_.begin() + static_cast<std::ptrdiff_t>(at), &t);
  dueTimes_.insert(dueTimes_.begin() + static_cast<std::ptrdiff_t>(at), kNever);
  for (std::size_t i = at; i < timers_.size(); ++i) timers_[i]->index_ = i;
  // The timers behind it moved up one: the next question searches again
  // (soonest_ is still a lower bound).
  soonestExact_ = false;
}

void Scheduler::noteDue(std::size_t i, Millis due) {
  dueTimes_[i] = due;
  if (!soonestExact_) {
    if (due < soonest_) soonest_ = due;
  } else if (i == soonestIndex_) {
    // The soonest timer moved: still the soonest if it came sooner, unknown
    // if it went later.
    if (due <= soonest_) soonest_ = due;
    else soonestExact_ = false;
  } else if (due < soonest_ || (due == soonest_ && i < soonestIndex_)) {
    soonest_ = due;
    soonestIndex_ = i;
  }
}

std::size_t Scheduler::earliest() const {
  if (soonestExact_) return soonestIndex_;
  // The first of the earliest, in the order the timers were made.
  std::size_t best = 0;
  for (std::size_t i = 1; i < dueTimes_.size(); ++i)
    if (dueTimes_[i] < dueTimes_[best]) best = i;
  soonest_ = dueTimes_.empty() ? kNever : dueTimes_[best];
  soonestIndex_ = best;
  soonestExact_ = !dueTimes_.empty();
  return best;
}

void Scheduler::fire(Timer& t) {
  t.running_ = true;
  t.due_ = now_ + t.interval_;
  t.noteDue();
  ++t.ticks;
  if (t.onTick) t.onTick();
  t.running_ = false;
  t.noteDue();
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
    // Most calls come from a yield with nothing due: they end here.
    if (soonest_ > dueBy) return fired;
    const std::size_t best = earliest();
    if (dueTimes_[best] > dueBy) return fired;
    fire(*timers_[best]);
    ++fired;
  }
}

Millis Scheduler::nextDue() const {
  earliest();
  return soonest_;
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
