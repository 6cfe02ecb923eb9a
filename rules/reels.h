// The reel strips, the payline table, the cell codes and the reel marks, and
// the reading of a reel's three visible cells. Lines are also kept as bit
// masks (bit line - 1 for payline `line`): a reel at rest is one face, the
// lines on which each symbol stands, so a spin is read by five look-ups.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "rules/checked.h"
#include "rules/symbols.h"

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
inline constexpr std::array<int, kReels> kReelMarks = {8, 7, 6, 10, 20};
constexpr int reelMark(int reel) { return kReelMarks[static_cast<std::size_t>(reel - 1)]; }

// Row-line list of a reel's row: the lines using that row, ascending, padded
// with 0 to 11 entries (index 0 unused, entries 1..11).
using RowLines = std::array<std::int16_t, 12>;
const RowLines& rowLines(int reel, int row);
// How many of a row-line list's entries are lines (the rest are 0).
int rowLineCount(int reel, int row);

// A set of paylines: bit line - 1 for line `line`.
using LineMask = std::uint32_t;
inline constexpr LineMask lineBit(int line) { return LineMask{1} << (line - 1); }
// Lines 1..n, the lines a player plays with n lines.
inline constexpr LineMask firstLines(int n) {
  return n <= 0 ? 0 : n >= kLines ? (lineBit(kLines) << 1) - 1 : lineBit(n + 1) - 1;
}
// How many lines a set holds, by three look-ups of nine lines each.
inline constexpr std::array<std::uint8_t, 512> kNineLineCounts = [] {
  std::array<std::uint8_t, 512> t{};
  for (std::size_t i = 1; i < t.size(); ++i) t[i] = static_cast<std::uint8_t>(t[i / 2] + (i & 1));
  return t;
}();
inline constexpr int lineCount(LineMask m) {
  return kNineLineCounts[m & 511] + kNineLineCounts[(m >> 9) & 511] + kNineLineCounts[(m >> 18) & 511];
}
// Calls f(line) for every line of the set, in ascending order.
template <class F>
[[gnu::always_inline]] inline void forEachLine(LineMask m, F&& f) {
  while (m != 0) {
    f(std::countr_zero(m) + 1);
    m &= m - 1;
  }
}
// The lines that use a reel's row.
inline LineMask rowLineMask(int reel, int row);
// The lines through a cell (by its code) of a reel; none for code 0.
LineMask cellLineMask(int reel, int cellCode);

// What a reel at rest shows, as the evaluation reads it.
struct alignas(64) ReelFace {
  // Per line symbol: the lines whose cell on this reel shows the symbol or
  // the reel's wild (the wild counts for every line symbol).
  std::array<LineMask, kLineSymbols> carries{};
  LineMask wildLines = 0;  // lines through the reel's wild
  // The line symbols it shows, each with the lines of the rows showing it:
  // on reel 1 these start every run. Entries past leadCount have no lines.
  struct Lead {
    LineMask lines = 0;
    Symbol symbol = Symbol::J;
  };
  std::array<Lead, kRows> leads{};
  std::uint8_t leadCount = 0;
  // Per line (slot 0 unused): the line symbol its cell shows, -1 for the
  // wild or the scatter.
  std::array<std::int8_t, kLines + 1> leadOfLine{};
  std::uint8_t scatters = 0;      // scatters it shows: 0 or 1
  std::uint8_t wilds = 0;         // wilds it shows: 0 or 1
  std::array<Symbol, kRows> shows{};  // top, middle, bottom
  std::int16_t wildCell = 0;      // cell code of the wild, 0 when it does not show
  std::int16_t scatterCell = 0;   // cell code of the scatter, 0 when it does not show
};

// Reel `reel` (1..5) resting at `stop` (1..22).
inline const ReelFace& reelFace(int reel, int stop);
// A reel that shows nothing: what an unread reel counts for. It leads no
// line.
inline constexpr ReelFace kBlankFace = [] {
  ReelFace f{};
  f.leadOfLine.fill(-1);
  return f;
}();

// The tables behind reelFace and rowLineMask, worked out from the strips
// and the payline table when the program is built.
struct ReelTables {
  std::array<std::array<ReelFace, kStops + 1>, kReels> faces{};
  std::array<std::array<LineMask, kRows>, kReels> rowMasks{};
};
extern const ReelTables kReelTables;
inline LineMask rowLineMask(int reel, int row) { return kReelTables.rowMasks[reel - 1][row]; }
inline const ReelFace& reelFace(int reel, int stop) { return kReelTables.faces[reel - 1][stop]; }

// The five faces of one drawing, reels 1..5 at indexes 0..4.
using Faces = std::array<const ReelFace*, kReels>;
inline int scattersShown(const Faces& f) {
  return f[0]->scatters + f[1]->scatters + f[2]->scatters + f[3]->scatters + f[4]->scatters;
}

// Per-line match values of one drawing: for each line symbol, the sum of the marks of the reels whose cell on the line shows
// the symbol or a wild. Slot 0 of every per-line array is a scratch slot that
// no evaluation reads.
using LineArray = std::array<std::int16_t, kLines + 1>;
using ReelArray = std::array<std::int16_t, kReels + 1>;

struct MatchValues {
  // The face each reel was read at, reels 1..5; blank until read.
  std::array<const ReelFace*, kReels + 1> face{&kBlankFace, &kBlankFace, &kBlankFace,
                                               &kBlankFace, &kBlankFace, &kBlankFace};
  // The line symbol reel 1 shows on line `line` (kNoLead for its scatter, or
  // before reel 1 is read): reel 1 has no wild, so it is the only symbol
  // that can pay there.
  static constexpr std::int8_t kNoLead = -1;
  std::int8_t lead(int line) const { return face[1]->leadOfLine[static_cast<std::size_t>(line)]; }

  // The match values of a line symbol on lines 1..25, worked out from the
  // faces read so far.
  LineArray of(Symbol s) const;
  // The mark of the reel whose wild lies on line `line`, 0 when no wild
  // does; of two wilds on one line, the later reel's.
  int wildonline(int line) const {
    for (int r = kReels; r >= 1; --r)
      if ((face[static_cast<std::size_t>(r)]->wildLines & lineBit(line)) != 0) return reelMark(r);
    return 0;
  }
  // The faces read so far, an unread reel blank.
  Faces faces() const { return {face[1], face[2], face[3], face[4], face[5]}; }
  // Forgets the faces.
  void clearLines() {
    face = {&kBlankFace, &kBlankFace, &kBlankFace, &kBlankFace, &kBlankFace, &kBlankFace};
  }
};

struct Readout {
  MatchValues match;
  ReelArray wildcell{};     // per reel: cell code of its wild, 0 none
  ReelArray scattercell{};  // per reel: cell code of its scatter, 0 none
  std::int16_t scattercount = 0;
  // Forgets the last drawing before the reels are read again: whole arrays
  // assigned, which the compiler writes in a few wide stores.
  void clear() {
    match.clearLines();
    wildcell = {};
    scattercell = {};
    scattercount = 0;
  }
};

// Reads the three cells of reel `reel` resting at `stop` into the readout:
// the reel's face joins the match values; a wild records its cell; a scatter
// is counted. Returns whether the reel showed its wild.
inline bool readReel(Readout& out, int reel, int stop) {
  const ReelFace& f = reelFace(reel, stop);
  const auto r = static_cast<std::size_t>(reel);
  out.match.face[r] = &f;
  // A face that does not show its scatter or its wild holds 0 for them. The
  // scatter is counted from its cell, loaded anyway, rather than from a
  // byte of its own.
  out.scattercount = static_cast<std::int16_t>(out.scattercount + (f.scatterCell != 0));
  out.scattercell[r] = f.scatterCell;
  out.wildcell[r] = f.wildCell;
  return f.wildCell != 0;
}

}  // namespace quov
