// The last games as the recall shows them: each game is the spin or jackpot
// time that began it, then the free spins of the series it started in
// their order, the series' collect, and every gamble of its wins.
#pragma once

#include <vector>

#include "platform/game_history.h"

namespace quov {

inline constexpr int kRecalledGames = 10;

struct RecalledGame {
  std::vector<GameRecord> records;  // the first one began the game
};

// Groups history records (oldest first) into games, keeping the last
// `games`, oldest first. Money put in belongs to no game.
std::vector<RecalledGame> groupGames(const std::vector<GameRecord>& records,
                                     int games = kRecalledGames);

}  // namespace quov
