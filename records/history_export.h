// The game history written out for a player's own analysis: CSV with one
// row per record, or JSON with one object per record, oldest first. Times
// are UTC in ISO 8601, money in cents.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/game_history.h"

namespace quov {

enum class ExportFormat { Csv, Json };

// "csv" or "json".
std::optional<ExportFormat> exportFormat(std::string_view name);
// Writes every record; returns how many.
std::int64_t writeHistory(GameHistory& history, ExportFormat format, std::ostream& out);

std::string isoTime(std::int64_t msSinceEpoch);
const char* kindName(RecordKind kind);
const char* prizeName(JackpotPrize prize);
const char* betName(GambleBet bet);
const char* suitName(int suit);
// The paying lines and the gamble's bets in words: "line 7: K x3 = 30".
std::string lineWinsText(const GameRecord& r);
std::string gambleStepsText(const GameRecord& r);

}  // namespace quov
