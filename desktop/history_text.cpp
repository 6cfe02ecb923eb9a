#include "desktop/history_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace quov {

namespace {

// The comma-separated items of `text`, each of `fields` dot-separated
// integers; nothing when any item is malformed.
std::optional<std::vector<std::vector<long long>>> splitItems(const std::string& text,
                                                              std::size_t fields) {
  std::vector<std::vector<long long>> items;
  if (text.empty()) return items;
  std::vector<long long> item;
  const char* p = text.data();
  const char* end = p + text.size();
  while (true) {
    long long v = 0;
    const auto [next, ec] = std::from_chars(p, end, v);
    if (ec != std::errc{} || next == p) return std::nullopt;
    item.push_back(v);
    p = next;
    if (p == end || *p == ',') {
      if (item.size() != fields) return std::nullopt;
      items.push_back(std::move(item));
      item.clear();
      if (p == end) return items;
    } else if (*p != '.') {
      return std::nullopt;
    }
    ++p;
  }
}

bool inRange(long long v, long long lo, long long hi) { return v >= lo && v <= hi; }

void appendItem(std::string& out, std::initializer_list<long long> values) {
  if (!out.empty()) out += ',';
  bool first = true;
  for (long long v : values) {
    if (!first) out += '.';
    out += std::to_string(v);
    first = false;
  }
}

}  // namespace

std::string encodeLineWins(const std::vector<LineWin>& wins) {
  std::string out;
  for (const LineWin& w : wins) appendItem(out, {w.line, w.symbol, w.length, w.pay});
  return out;
}

std::optional<std::vector<LineWin>> decodeLineWins(const std::string& text) {
  const auto items = splitItems(text, 4);
  if (!items) return std::nullopt;
  std::vector<LineWin> wins;
  for (const auto& v : *items) {
    if (!inRange(v[0], 1, 25) || !inRange(v[1], 0, 9) || !inRange(v[2], 2, 5) ||
        !inRange(v[3], INT32_MIN, INT32_MAX))
      return std::nullopt;
    wins.push_back({static_cast<std::int8_t>(v[0]), static_cast<std::int8_t>(v[1]),
                    static_cast<std::int8_t>(v[2]), static_cast<std::int32_t>(v[3])});
  }
  return wins;
}

std::string encodeGambleSteps(const std::vector<GambleStep>& steps) {
  std::string out;
  for (const GambleStep& s : steps)
    appendItem(out, {static_cast<long long>(s.bet), s.card, s.won ? 1 : 0, s.atRisk});
  return out;
}

std::optional<std::vector<GambleStep>> decodeGambleSteps(const std::string& text) {
  const auto items = splitItems(text, 4);
  if (!items) return std::nullopt;
  std::vector<GambleStep> steps;
  for (const auto& v : *items) {
    if (!inRange(v[0], 0, 5) || !inRange(v[1], 1, 4) || !inRange(v[2], 0, 1) ||
        !inRange(v[3], INT32_MIN, INT32_MAX))
      return std::nullopt;
    steps.push_back({static_cast<GambleBet>(v[0]), static_cast<std::int8_t>(v[1]), v[2] == 1,
                     static_cast<std::int32_t>(v[3])});
  }
  return steps;
}

namespace {

// The numbers of a block in their order, each taken by `field`: writing
// and reading walk the same list.
template <class Block, class Field>
void eachFixedField(Block& b, Field field) {
  field(b.block);
  field(b.firstId);
  field(b.lastId);
  field(b.records);
  field(b.moneyIn);
  field(b.moneyPlayed);
  field(b.moneyWon);
  field(b.jackpotsPaid);
  field(b.games);
  field(b.hits);
  field(b.creditFirst);
  field(b.creditLast);
  field(b.creditLow);
  field(b.lowAt);
  field(b.creditHigh);
  field(b.highAt);
  for (auto& m : b.marks) {
    field(m.count);
    field(m.at);
    field(m.credit);
    field(m.amount);
  }
}

template <class Bet, class Field>
void eachBetField(Bet& bet, Field field) {
  field(bet.machinepay);
  field(bet.lines);
  field(bet.betPerLine);
  field(bet.spins);
  field(bet.staked);
  field(bet.stakes);
  field(bet.stakeSquares);
}

// Most bands and bets a block may claim: far more than the rules have.
constexpr long long kMostListed = 4096;

}  // namespace

std::string encodeHistoryBlock(const HistoryBlock& block) {
  std::string out = std::to_string(block.slot);
  auto put = [&](long long v) { out += ' ' + std::to_string(v); };
  eachFixedField(block, put);
  put(static_cast<long long>(block.bands.size()));
  for (const std::int64_t n : block.bands) put(n);
  put(static_cast<long long>(block.bets.size()));
  for (const BlockBet& bet : block.bets) eachBetField(bet, put);
  return out;
}

std::optional<HistoryBlock> decodeHistoryBlock(const std::string& text) {
  const char* p = text.data();
  const char* end = p + text.size();
  bool good = true;
  auto next = [&]() -> long long {
    long long v = 0;
    if (!good) return 0;
    const auto [after, ec] = std::from_chars(p, end, v);
    if (ec != std::errc{} || after == p || (after != end && *after != ' ')) {
      good = false;
      return 0;
    }
    p = after == end ? end : after + 1;
    return v;
  };
  // Reads a number into a field that must hold it.
  auto take = [&](auto& field) {
    using T = std::remove_reference_t<decltype(field)>;
    const long long v = next();
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) good = false;
    field = static_cast<T>(v);
  };
  HistoryBlock b;
  take(b.slot);
  eachFixedField(b, take);
  const long long bands = next();
  if (!good || bands < 0 || bands > kMostListed) return std::nullopt;
  b.bands.resize(static_cast<std::size_t>(bands));
  for (std::int64_t& n : b.bands) take(n);
  const long long bets = next();
  if (!good || bets < 0 || bets > kMostListed) return std::nullopt;
  b.bets.resize(static_cast<std::size_t>(bets));
  for (BlockBet& bet : b.bets) eachBetField(bet, take);
  if (!good || p != end) return std::nullopt;
  return b;
}

}  // namespace quov
