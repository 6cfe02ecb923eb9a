// The cabinet in words, for a screen reader: each meter's name and what it
// shows, and the symbols the reels show. The desktop's accessibility layer
// reads these; they describe only, and change nothing.
#pragma once

#include <string>
#include <vector>

namespace quov {

class Quov;
struct Element;

struct MeterReading {
  const Element* element;  // the label that shows the meter
  std::string name;        // "Credit", "Win", ...
  std::string value;       // what the label shows, without padding
};

// The meters, in reading order: credit, win, stake, bet per line, lines, the
// three jackpots and the free-spin line.
std::vector<MeterReading> meterReadings(const Quov& q);

// The symbols the reels show, reel by reel from the top row down, for
// example "Reel 1: K, lotus, scarab. Reel 2: ..."; nothing while the reels
// are away (the payline view).
std::string reelsReading(const Quov& q);

}  // namespace quov
