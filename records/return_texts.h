// The words and figures the options screen shows beside the player's
// statistics: what each payout setting is expected to return, and what the
// game history has measured.
#pragma once

#include <optional>
#include <string>

#include "rules/expected_return.h"

namespace quov {

// A return per money staked, as a whole percent: "51 %", "11814 %".
std::string expectedPercent(double fraction);
// A measured return in percent, to a tenth: "78.8 %"; a dash before any play.
std::string measuredPercent(const std::optional<double>& percent);
// The bet the expected returns are worked out at.
std::string expectedAtBet(int lines, int betperline);
// Where a setting's expected figures come from, part by part.
std::string expectedReturnTip(const ExpectedReturn& r);

}  // namespace quov
