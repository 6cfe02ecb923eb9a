#include "platform/timer.h"

namespace quov {

// In line: every tick ends with it, and nothing outside this file calls it.
inline void Timer::noteDue() {
  scheduler_.noteDue(index_, enabled_ && !running_ && interval_ > 0 ? due_ : Scheduler::kNever);
}

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  due_ = scheduler_.now() + interval_;
  scheduler_.add(*this, scheduler_.timers_.size());
  noteDue();
}

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled,
             const Timer& next)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  due_ = scheduler_.now() + interval_;
  scheduler_.add(*this, scheduler_.rank_[next.index_]);
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

void Scheduler::add(Timer& t, std::size_t rank) {
  // Every timer keeps its rank or moves one on together: the ticking order
  // of those already waiting stands.
  for (std::size_t& r : rank_)
    if (r >= rank) ++r;
  t.index_ = timers_.size();
  timers_.push_back(&t);
  dueTimes_.push_back(kNever);
  before_.push_back(kNone);
  after_.push_back(kNone);
  rank_.push_back(rank);
}

void Scheduler::noteDue(std::size_t i, Millis due) {
  if (dueTimes_[i] == due) return;  // its place in the order stands
  if (dueTimes_[i] != kNever) unlink(i);
  dueTimes_[i] = due;
  if (due != kNever) link(i);
}

void Scheduler::unlink(std::size_t i) {
  const std::size_t before = before_[i], after = after_[i];
  (before == kNone ? first_ : after_[before]) = after;
  (after == kNone ? last_ : before_[after]) = before;
}

void Scheduler::link(std::size_t i) {
  // From the last: a timer re-armed a whole interval ahead mostly goes
  // near the end.
  const Millis due = dueTimes_[i];
  std::size_t before = last_;
  while (before != kNone && (dueTimes_[before] > due || (dueTimes_[before] == due && rank_[before] > rank_[i])))
    before = before_[before];
  const std::size_t after = before == kNone ? first_ : after_[before];
  before_[i] = before;
  after_[i] = after;
  (before == kNone ? first_ : after_[before]) = i;
  (after == kNone ? last_ : before_[after]) = i;
}

void Scheduler::fire(Timer& t) {
  // The first of the list: out of it while its handler runs.
  unlink(t.index_);
  dueTimes_[t.index_] = kNever;
  t.running_ = true;
  t.due_ = now_ + t.interval_;
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
  // Most calls come from a yield with nothing due: they end at once.
  while (first_ != kNone && dueTimes_[first_] <= dueBy) {
    fire(*timers_[first_]);
    ++fired;
  }
  return fired;
}

Millis Scheduler::nextDue() const { return first_ == kNone ? kNever : dueTimes_[first_]; }

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
