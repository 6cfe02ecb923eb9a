#include "platform/history_text.h"

#include <charconv>
#include <cstdint>

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

}  // namespace quov
