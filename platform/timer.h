// Named interval timers and the one scheduler that drives them. Both the
// headless and the desktop platform tick timers through this code, so their
// timing rules are the same: a disabled timer never ticks, a tick comes only
// while the thread is idle or yielding, and a timer never re-enters its own
// running handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace quov {

using Millis = std::int64_t;

class Scheduler;

class Timer {
 public:
  Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled);
  // A timer made later that takes its place just before `next`: of timers
  // due at the same moment, the one made first ticks first, and this one
  // counts as made just before `next`.
  Timer(Scheduler& scheduler, std::string name, int intervalMs, bool enabled, const Timer& next);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  bool running() const { return running_; }
  Millis due() const { return due_; }

  // Turning a timer on (or changing its interval) restarts its countdown;
  // switching on a timer that already runs changes nothing.
  void setEnabled(bool on);
  void enable() { setEnabled(true); }
  void disable() { setEnabled(false); }
  void setInterval(int ms);

  std::function<void()> onTick;
  std::uint64_t ticks = 0;  // ticks delivered so far (for tests and tools)

 private:
  friend class Scheduler;
  // Tells the scheduler when this timer can tick next.
  void noteDue();
  Scheduler& scheduler_;
  std::size_t index_;  // among the scheduler's timers
  std::string name_;
  int interval_;
  bool enabled_;
  bool running_ = false;
  Millis due_ = 0;
};

class Scheduler {
 public:
  static constexpr Millis kNever = std::numeric_limits<Millis>::max();

  Millis now() const { return now_; }
  void setNow(Millis t) { now_ = t; }

  // Runs, once each and in order of due time, the timers that are due now.
  // Returns how many ticked.
  int runDue();
  // Earliest due time of an enabled timer that is not running, or kNever.
  Millis nextDue() const;
  // Advances the clock to `until`, ticking every timer on the way at its
  // due time (the idle event loop of a virtual clock).
  void runUntil(Millis until);

  const std::vector<Timer*>& timers() const { return timers_; }

 private:
  friend class Timer;
  void fire(Timer& t);
  static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  // Adds `t` to the timers; of timers due together it ticks at `rank`
  // (those at or after it move one on).
  void add(Timer& t, std::size_t rank);
  std::vector<Timer*> timers_;
  // Per timer, by its index: its due time while it can tick (enabled, not
  // running, with an interval), kNever otherwise.
  std::vector<Millis> dueTimes_;
  // The timers that can tick, kept in the order they tick in: by due time,
  // and those due together by rank (below). The soonest is the
  // first, so no question about the next tick searches.
  std::vector<std::size_t> before_, after_;
  // Per timer, its place among timers due together: the order they were
  // made, but for one made to take its place before another.
  std::vector<std::size_t> rank_;
  std::size_t first_ = kNone, last_ = kNone;
  void noteDue(std::size_t i, Millis due);
  void unlink(std::size_t i);
  void link(std::size_t i);
  Millis now_ = 0;
};

}  // namespace quov
