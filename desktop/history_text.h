// The compact text a stored record keeps its lists in: the paying lines as
// "line.symbol.length.pay" and the gamble's bets as "bet.card.won.atrisk",
// each list joined by commas. Reading gives nothing back for a text that is
// not such a list, so a damaged value never passes for an empty one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/game_history.h"

namespace quov {

std::string encodeLineWins(const std::vector<LineWin>& wins);
std::optional<std::vector<LineWin>> decodeLineWins(const std::string& text);

std::string encodeGambleSteps(const std::vector<GambleStep>& steps);
std::optional<std::vector<GambleStep>> decodeGambleSteps(const std::string& text);

// A block's summary as its numbers separated by blanks: the fixed ones, then
// the win bands' count and counts, then the bets' count and each bet's.
std::string encodeHistoryBlock(const HistoryBlock& block);
std::optional<HistoryBlock> decodeHistoryBlock(const std::string& text);

}  // namespace quov
