// Records print as the export's CSV row, so a failed comparison shows them.
#pragma once

#include <ostream>
#include <sstream>

#include "headless/memory_history.h"
#include "records/history_export.h"

namespace quov {

inline void PrintTo(const GameRecord& r, std::ostream* os) {
  Scheduler clock;
  MemoryHistory one(clock);
  GameRecord copy = r;
  one.records.push_back(copy);
  std::ostringstream csv;
  writeHistory(one, ExportFormat::Csv, csv);
  const std::string text = csv.str();
  *os << text.substr(text.find('\n') + 1);
}

}  // namespace quov
