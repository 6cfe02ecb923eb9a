// The sheet as a picture: for each payout setting, the return at every total
// bet a player can choose, stacked by where it comes from.
#pragma once

#include <string>
#include <vector>

#include "tools/par/sheet.h"

namespace quov::par {

// An SVG document. Where several settings share a total bet, the one with
// the most lines stands for it.
std::string sheetChart(const std::vector<SheetRow>& rows);

}  // namespace quov::par
