// The reel strips, the payline table, the cell codes and the reel marks, and
// the reading of a reel's three visible cells into the per-line match
// values. Everything that reads reels does it through these functions.
#pragma once

#include <array>
#include <cstdint>

#include "engine/rules/symbols.h"

namespace quov {

inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kLines = 25;
inline constexpr int kStops = 22;
inline constexpr int kStripCells = 29;
inline constexpr int kCellTwips = 1875;  // one cell of a strip picture, 125 pixels

enum Row : int { Top = 0, Middle = 1, Bottom = 2 };

// Cell `cell` (0..28) of reel `reel` (1..5).
Symbol stripSymbol(int reel, int cell);
// Symbol on reel `reel` in `row` when the reel rests at `stop` (1..22).
inline Symbol visibleSymbol(int reel, int stop, int row) { return stripSymbol(reel, stop + row); }

// Row used by payline `line` (1..25) on reel `reel` (1..5).
Row paylineRow(int line, int reel);

// Cell code (1..15, the index of the frame over the cell) of a reel's row;
// it runs down on reels 1, 3 and 5 and up on reels 2 and 4.
int cellCode(int reel, int row);
// Cell code of the cell payline `line` uses on reel `reel`.
inline int lineCell(int line, int reel) { return cellCode(reel, paylineRow(line, reel)); }

// Mark a reel adds to the match value of a symbol it shows: 8, 7, 6, 10, 20.
int reelMark(int reel);

// Row-line list of a reel's row: the lines using that row, ascending, padded
// with 0 to 11 entries (index 0 unused, entries 1..11).
using RowLines = std::array<std::int16_t, 12>;
const RowLines& rowLines(int reel, int row);
// How many of a row-line list's entries are lines (the rest are 0).
int rowLineCount(int reel, int row);

// Per-line match values of one drawing, as the evaluation reads them. Slot 0
// of every per-line array is a scratch slot that no evaluation reads.
using LineArray = std::array<std::int16_t, kLines + 1>;
using ReelArray = std::array<std::int16_t, kReels + 1>;

struct MatchValues {
  LineArray jmatch{}, kmatch{}, qmatch{}, lotusmatch{}, eyematch{}, ankhmatch{}, ringmatch{},
      scarabmatch{}, dogmatch{}, cobramatch{};
  LineArray wildonline{};  // mark of the reel whose wild lies on the line, 0 none
  // The line symbol reel 1 shows on each line (kNoLead for its scatter):
  // reel 1 has no wild, so it is the only symbol that can pay there.
  static constexpr std::int8_t kNoLead = -1;
  std::array<std::int8_t, kLines + 1> lead = [] {
    std::array<std::int8_t, kLines + 1> a{};
    a.fill(kNoLead);
    return a;
  }();

  LineArray& of(Symbol s);
  const LineArray& of(Symbol s) const;
  // Clears lines 1..25 of every array; slot 0 keeps whatever it held.
  void clearLines();
};

struct Readout {
  MatchValues match;
  ReelArray wildcell{};     // per reel: cell code of its wild, 0 none
  ReelArray scattercell{};  // per reel: cell code of its scatter, 0 none
  std::int16_t scattercount = 0;
};

// Reads the three cells of reel `reel` resting at `stop` into the readout:
// reel 1 sets the match value of its symbol on each line of the row, the
// other reels add their mark; a wild adds the mark to all ten symbols and
// records itself; a scatter is counted. Returns whether the reel showed its
// wild.
bool readReel(Readout& out, int reel, int stop);

}  // namespace quov
