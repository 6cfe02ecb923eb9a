#include "cabinet/screen_reading.h"

#include "mainscreen/quov.h"
#include "rules/reels.h"

namespace quov {

namespace {

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A symbol as a reader says it.
std::string spoken(Symbol s) {
  if (s == Symbol::Wild) return "wild queen";
  if (s == Symbol::Scatter) return "pyramid scatter";
  return symbolName(s);
}

}  // namespace

std::vector<MeterReading> meterReadings(const Quov& q) {
  // The win meter's money text is blank after a loss; its cents label then
  // says "No Win".
  const Element& win = trimmed(q.lblwin.caption).empty() ? q.LABWIN : q.lblwin;
  const std::pair<const Element*, const char*> meters[] = {
      {&q.Lblcredit, "Credit"},       {&win, "Win"},
      {&q.lbltotallast, "Stake"},     {&q.lblbet, "Bet per line"},
      {&q.lbllines, "Lines"},         {&q.lblgrand, "Grand jackpot"},
      {&q.lblmajor, "Major jackpot"}, {&q.lblminor, "Minor jackpot"},
      {&q.spinsleft, "Free spins"},
  };
  std::vector<MeterReading> readings;
  for (const auto& [element, name] : meters)
    readings.push_back({element, name, trimmed(element->caption)});
  return readings;
}

std::string reelsReading(const Quov& q) {
  std::string words;
  if (!q.Picture[1].shownOnScreen()) return words;
  for (int r = 1; r <= kReels; ++r) {
    const Element& strip = q.reel[r];
    const Element& window = q.Picture[r];
    // The strip slides inside its window: the cell at the window's top
    // edge is the top row (a reel still turning reads where it stands).
    int first = (window.screenTop() - strip.screenTop() + kCellTwips / 2) / kCellTwips;
    if (first < 0) first = 0;
    if (first > kStripCells - kRows) first = kStripCells - kRows;
    if (!words.empty()) words += ' ';
    words += "Reel " + std::to_string(r) + ":";
    for (int row = 0; row < kRows; ++row)
      words += (row ? ", " : " ") + spoken(stripSymbol(r, first + row));
    words += '.';
  }
  return words;
}

}  // namespace quov
