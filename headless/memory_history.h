// The game history in memory, for tests, tools and the demo: records kept in
// a deque (a long soak appends millions without moving them), stamped with
// the virtual clock's time.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/game_history.h"
#include "platform/timer.h"

namespace quov {

class MemoryHistory : public GameHistory {
 public:
  explicit MemoryHistory(const Scheduler& clock) : clock_(clock) {}
  std::int64_t append(GameRecord& record) override;
  std::vector<GameRecord> lastGames(int games) override;
  void forEach(const std::function<void(const GameRecord&)>& visit) override;
  // As the desktop history reads them: the blocks before the latest
  // records summarized, the latest one by one.
  void forEachSummarized(int slot, const std::function<void(const HistoryBlock&)>& block,
                         const std::function<void(const RecordMoney&)>& record) override;
  std::int64_t count() override { return static_cast<std::int64_t>(records.size()); }
  // While `failing`, every append is missed and the history says it fails.
  SaveHealth health() const override { return {failing, failing ? 1u : 0u, "failing", {}}; }
  bool failingNow() const override { return failing; }
  MissedCounts missedBySlot() const override { return missed_; }
  std::int64_t missedTotal() const override { return missedTotal_; }

  using Records = std::deque<GameRecord>;
  Records records;
  bool failing = false;  // a store that keeps nothing, to test the game's side of a failure

 private:
  MissedCounts missed_{};
  std::int64_t missedTotal_ = 0;
  const Scheduler& clock_;
};

}  // namespace quov
