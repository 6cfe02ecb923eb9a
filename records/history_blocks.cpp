#include "records/history_blocks.h"

#include <algorithm>

#include "rules/base_game.h"

namespace quov {

std::int64_t firstDetailedId(std::int64_t lastId, std::int64_t summarizedTo) {
  const std::int64_t recent = blockOf(std::max<std::int64_t>(1, lastId - kDetailedIds + 1));
  return std::min(recent, blockOf(summarizedTo + 1)) * kIdsPerBlock + 1;
}

std::optional<std::size_t> spinBand(const RecordMoney& r) {
  if (r.kind != RecordKind::Spin || r.bet <= 0) return std::nullopt;
  const std::uint64_t win = r.win > 0 ? static_cast<std::uint64_t>(r.win) : 0;
  return betMultipleBand(win, static_cast<std::uint64_t>(r.bet));
}

IntegrityMeters metersOf(const HistoryBlock& b) {
  IntegrityMeters m;
  m.moneyIn = b.moneyIn;
  m.moneyPlayed = b.moneyPlayed;
  m.moneyWon = b.moneyWon;
  m.jackpotsPaid = b.jackpotsPaid;
  m.games = b.games;
  return m;
}

namespace {

BlockBet& betOf(HistoryBlock& b, const RecordMoney& r) {
  for (BlockBet& bet : b.bets)
    if (bet.machinepay == r.machinepay && bet.lines == r.lines && bet.betPerLine == r.betPerLine) return bet;
  b.bets.push_back({r.machinepay, r.lines, r.betPerLine});
  return b.bets.back();
}

// Which of the block's marks a record is, if any.
std::optional<std::size_t> markOf(RecordKind kind) {
  switch (kind) {
    case RecordKind::CreditIn: return 0;
    case RecordKind::JackpotTime: return 1;
    case RecordKind::Collect: return 2;
    default: return std::nullopt;
  }
}

}  // namespace

void summarize(HistoryBlock& b, const RecordMoney& r) {
  if (b.records == 0) {
    b.slot = r.slot;
    b.block = blockOf(r.id);
    b.firstId = r.id;
    b.creditFirst = r.creditBefore;
    b.bands.assign(kBetMultipleBands.size(), 0);
  }
  ++b.records;
  b.lastId = r.id;
  IntegrityMeters m = metersOf(b);
  m.add(r);
  b.moneyIn = m.moneyIn;
  b.moneyPlayed = m.moneyPlayed;
  b.moneyWon = m.moneyWon;
  b.jackpotsPaid = m.jackpotsPaid;
  b.games = m.games;
  if (r.kind == RecordKind::Spin) {
    b.hits += r.win > 0;
    BlockBet& bet = betOf(b, r);
    ++bet.spins;
    if (const auto band = spinBand(r)) {
      ++b.bands[*band];
      ++bet.staked;
      bet.stakes += r.bet;
      bet.stakeSquares += static_cast<std::int64_t>(r.bet) * r.bet;
    }
  }
  if (const auto mark = markOf(r.kind)) {
    BlockMark& k = b.marks[*mark];
    if (k.count == 0) k = {0, b.records, r.creditAfter, r.kind == RecordKind::CreditIn ? r.moneyIn : r.paid};
    ++k.count;
  }
  b.creditLast = r.creditAfter;
  if (b.records == 1 || r.creditAfter < b.creditLow) {
    b.creditLow = r.creditAfter;
    b.lowAt = b.records;
  }
  if (b.records == 1 || r.creditAfter > b.creditHigh) {
    b.creditHigh = r.creditAfter;
    b.highAt = b.records;
  }
}

void SummarizedReading::add(const RecordMoney& r) {
  if (r.id >= firstDetailed_) {
    finish();
    record_(r);
    return;
  }
  if (open_.records > 0 && blockOf(r.id) != open_.block) finish();
  summarize(open_, r);
}

void SummarizedReading::finish() {
  if (open_.records == 0) return;
  block_(open_);
  open_ = HistoryBlock{};
}

void BlockSummaries::add(const RecordMoney& r) { summarize(blocks_[{r.slot, blockOf(r.id)}], r); }

std::vector<HistoryBlock> BlockSummaries::blocks() const {
  std::vector<HistoryBlock> out;
  out.reserve(blocks_.size());
  for (const auto& [key, block] : blocks_) out.push_back(block);
  return out;
}

std::int64_t disagreeingBlocks(const std::vector<HistoryBlock>& a, const std::vector<HistoryBlock>& b) {
  auto before = [](const HistoryBlock& x, const HistoryBlock& y) {
    return std::pair(x.slot, x.block) < std::pair(y.slot, y.block);
  };
  std::int64_t differing = 0;
  auto i = a.begin(), j = b.begin();
  while (i != a.end() || j != b.end()) {
    if (j == b.end() || (i != a.end() && before(*i, *j))) {
      ++differing;
      ++i;
    } else if (i == a.end() || before(*j, *i)) {
      ++differing;
      ++j;
    } else {
      differing += !(*i == *j);
      ++i;
      ++j;
    }
  }
  return differing;
}

}  // namespace quov
