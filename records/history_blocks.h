// The game history's summaries: the records of one player slot within a
// block of consecutive ids, added up as the statistics window needs them
// (the integrity meters, the spins by bet and win band, the credit and its
// marks). The history keeps one beside the records of each block, written
// with the record itself, so a long history's charts read a few thousand
// summaries and only the latest records one by one.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/game_history.h"
#include "records/history_ledger.h"

namespace quov {

// Ids per block: ids 1..256 are block 0, 257..512 block 1 ...
inline constexpr std::int64_t kIdsPerBlock = 256;
// The latest ids a reading takes record by record, so the charts show the
// recent games point by point and a short history is read whole.
inline constexpr std::int64_t kDetailedIds = 65536;

constexpr std::int64_t blockOf(std::int64_t id) { return (id - 1) / kIdsPerBlock; }

// The first id a reading takes record by record: the summaries are read for
// the blocks before it. `lastId` is the history's highest id, `summarizedTo`
// the highest id its summaries have taken in.
std::int64_t firstDetailedId(std::int64_t lastId, std::int64_t summarizedTo);

// Takes one more record (of the block's slot and block, after those it
// holds) into a block's summary; an empty summary takes its slot and block
// from the record.
void summarize(HistoryBlock& block, const RecordMoney& r);

// The win band of an ordinary spin (kBetMultipleBands), or nothing when it
// took no bet.
std::optional<std::size_t> spinBand(const RecordMoney& r);

// The integrity meters of a block's records.
IntegrityMeters metersOf(const HistoryBlock& block);

// A slot's records, oldest first, passed on as the summaries of the blocks
// before `firstDetailed` and one by one from it on.
class SummarizedReading {
 public:
  SummarizedReading(std::int64_t firstDetailed, const std::function<void(const HistoryBlock&)>& block,
                    const std::function<void(const RecordMoney&)>& record)
      : firstDetailed_(firstDetailed), block_(block), record_(record) {}
  ~SummarizedReading() { finish(); }
  SummarizedReading(const SummarizedReading&) = delete;
  SummarizedReading& operator=(const SummarizedReading&) = delete;
  void add(const RecordMoney& r);
  // Passes on the block still open.
  void finish();

 private:
  std::int64_t firstDetailed_;
  const std::function<void(const HistoryBlock&)>& block_;
  const std::function<void(const RecordMoney&)>& record_;
  HistoryBlock open_;
};

// The summaries of every block, built from the records (oldest first), in
// the order of their slot and block.
class BlockSummaries {
 public:
  void add(const RecordMoney& r);
  std::vector<HistoryBlock> blocks() const;

 private:
  std::map<std::pair<int, std::int64_t>, HistoryBlock> blocks_;  // by slot and block
};

// How many blocks two lists of summaries (in the order of their slot and
// block) disagree on: one missing from either list or differing.
std::int64_t disagreeingBlocks(const std::vector<HistoryBlock>& a, const std::vector<HistoryBlock>& b);

}  // namespace quov
