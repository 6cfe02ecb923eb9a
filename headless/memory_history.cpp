#include "headless/memory_history.h"

#include "records/history_blocks.h"

namespace quov {

std::int64_t MemoryHistory::append(GameRecord& record) {
  if (failing) {
    if (record.slot >= 1 && record.slot <= 6) {
      ++missed_[static_cast<std::size_t>(record.slot)];
      ++missedTotal_;
    }
    return 0;
  }
  record.id = static_cast<std::int64_t>(records.size()) + 1;
  record.timeMs = clock_.now();
  records.push_back(record);
  return record.id;
}

std::vector<GameRecord> MemoryHistory::lastGames(int games) {
  std::size_t from = records.size();
  int found = 0;
  while (from > 0 && found < games)
    if (startsGame(records[--from].kind)) ++found;
  return {records.begin() + static_cast<std::ptrdiff_t>(found < games ? 0 : from), records.end()};
}

void MemoryHistory::forEach(const std::function<void(const GameRecord&)>& visit) {
  for (const GameRecord& r : records) visit(r);
}

void MemoryHistory::forEachSummarized(int slot, const std::function<void(const HistoryBlock&)>& block,
                                      const std::function<void(const RecordMoney&)>& record) {
  const std::int64_t last = records.empty() ? 0 : records.back().id;
  SummarizedReading reading(firstDetailedId(last, last), block, record);
  for (const GameRecord& r : records)
    if (r.slot == slot) reading.add(moneyOf(r));
}

}  // namespace quov
