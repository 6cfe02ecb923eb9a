// The sheets as a reader sees them: readable tables, JSON and CSV.
#pragma once

#include <string>
#include <vector>

#include "tools/par/exact.h"
#include "tools/par/sheet.h"
#include "tools/par/simulate.h"

namespace quov::par {

// The name the options screen gives a payout setting.
const char* payoutName(int payout);

std::string exactTable(const ExactSheet& s);
std::string exactJson(const ExactSheet& s);

std::string simulationTable(const SimulationResult& r);
std::string simulationJson(const SimulationResult& r);

std::string sheetTable(const std::vector<SheetRow>& rows);
std::string sheetJson(const std::vector<SheetRow>& rows);
std::string sheetCsv(const std::vector<SheetRow>& rows);

}  // namespace quov::par
