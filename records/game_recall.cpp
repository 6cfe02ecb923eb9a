#include "records/game_recall.h"

#include <algorithm>

namespace quov {

namespace {

bool holds(const RecalledGame& g, std::int64_t id) {
  return std::any_of(g.records.begin(), g.records.end(),
                     [id](const GameRecord& r) { return r.id == id; });
}

// The game a record belongs to: the series' first spin, or the game whose
// win a gamble staked. Searched from the newest game, where it nearly
// always is.
RecalledGame* ownerOf(std::vector<RecalledGame>& games, const GameRecord& r) {
  const std::int64_t key =
      r.kind == RecordKind::Gamble ? r.gambled : r.series;
  if (key == 0) return nullptr;
  for (auto it = games.rbegin(); it != games.rend(); ++it)
    if (r.kind == RecordKind::Gamble ? holds(*it, key) : it->records.front().id == key)
      return &*it;
  return nullptr;
}

}  // namespace

std::vector<RecalledGame> groupGames(const std::vector<GameRecord>& records, int games) {
  std::vector<RecalledGame> out;
  for (const GameRecord& r : records) {
    if (startsGame(r.kind)) {
      out.push_back({{r}});
    } else if (r.kind != RecordKind::CreditIn) {
      if (RecalledGame* g = ownerOf(out, r)) g->records.push_back(r);
    }
  }
  if (static_cast<int>(out.size()) > games)
    out.erase(out.begin(), out.end() - games);
  return out;
}

}  // namespace quov
