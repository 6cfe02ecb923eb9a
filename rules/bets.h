// The bets a player can choose: the number of lines and the bet per line by
// bet level. The total bet is their product, at most 25 x 20 = 500 cents.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quov {

// Lines played, in the order the line button steps through them.
inline constexpr std::array<int, 5> kLineChoices = {1, 5, 10, 15, 25};

// Bet per line in cents by bet level 1..6.
inline constexpr std::array<int, 6> kBetsPerLine = {1, 2, 3, 5, 10, 20};
inline constexpr int kBetLevels = 6;
// The bet per line of a level; 0 for a level outside 1..6.
constexpr std::int16_t betPerLine(int betlevel) {
  return betlevel >= 1 && betlevel <= kBetLevels
             ? static_cast<std::int16_t>(kBetsPerLine[static_cast<std::size_t>(betlevel - 1)])
             : std::int16_t{0};
}

}  // namespace quov
