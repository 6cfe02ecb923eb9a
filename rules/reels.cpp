#include "rules/reels.h"

namespace quov {

namespace {

// Cells 0..28 of each strip, top to bottom.
constexpr const char* kStrips[kReels] = {
    "LEJKLRJALQSLPJSQDJEKRKCLRAQKR",
    "KLWKQLJQSPAEQJDKLRDQJCSLAWKQJ",
    "RCLQREPARSEWLRJQACDLAJKELAQRK",
    "PAESKLSPAEQWJLKRLJCDLAQRCWKAJ",
    "KLRKQEAJCPALSQEJRADCSKJLRQCSQ",
};

// Rows of each payline on reels 1..5: T, M, B.
constexpr const char* kPaylines[kLines] = {
    "MMMMM", "TTTTT", "BBBBB", "TMBMT", "BMTMB", "TTMTT", "BBMBB", "MTTTM", "MBBBM",
    "MMTMM", "MMBMM", "TMMMT", "BMMMB", "TMTMT", "MTMTM", "BMBMB", "MBMBM", "TBTBT",
    "BTBTB", "MTBTM", "MBTBM", "MTMBM", "MBMTM", "TTTMB", "BBBMT",
};

constexpr int kCellCodes[kReels][kRows] = {
    {1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};

// Reel 1 has no wild: what it carries on a line is what it shows there, so
// the runs and the lotus pairs start from its faces alone.
constexpr bool hasNoWild(const char* strip) {
  for (int cell = 0; cell < kStripCells; ++cell)
    if (strip[cell] == 'W') return false;
  return true;
}
static_assert(hasNoWild(kStrips[0]));

constexpr Row rowFromLetter(char c) { return c == 'T' ? Top : c == 'M' ? Middle : Bottom; }

struct RowLineTable {
  RowLines lists[kReels][kRows]{};
  int counts[kReels][kRows]{};
  constexpr RowLineTable() {
    for (int r = 0; r < kReels; ++r)
      for (int w = 0; w < kRows; ++w) {
        int n = 1;
        for (int line = 1; line <= kLines; ++line)
          if (rowFromLetter(kPaylines[line - 1][r]) == w) lists[r][w][n++] = static_cast<std::int16_t>(line);
        counts[r][w] = n - 1;
      }
  }
};
constexpr RowLineTable kRowLines{};

constexpr ReelTables buildReelTables() {
  ReelTables t;
  for (int r = 0; r < kReels; ++r)
    for (int line = 1; line <= kLines; ++line)
      t.rowMasks[r][rowFromLetter(kPaylines[line - 1][r])] |= lineBit(line);
  for (int r = 0; r < kReels; ++r)
    for (int stop = 1; stop <= kStops; ++stop) {
      ReelFace& f = t.faces[r][stop];
      for (int line = 0; line <= kLines; ++line) {
        const Symbol s = line == 0 ? Symbol::Scatter
                                   : symbolFromLetter(kStrips[r][stop + rowFromLetter(kPaylines[line - 1][r])]);
        f.leadOfLine[line] = isLineSymbol(s) ? static_cast<std::int8_t>(s) : std::int8_t{-1};
      }
      for (int w = 0; w < kRows; ++w) {
        const Symbol s = symbolFromLetter(kStrips[r][stop + w]);
        const LineMask lines = t.rowMasks[r][w];
        f.shows[w] = s;
        if (s == Symbol::Scatter) {
          f.scatterCell = static_cast<std::int16_t>(kCellCodes[r][w]);
          f.scatters = 1;
        } else if (s == Symbol::Wild) {
          for (LineMask& carried : f.carries) carried |= lines;
          f.wildLines = lines;
          f.wildCell = static_cast<std::int16_t>(kCellCodes[r][w]);
          f.wilds = 1;
        } else {
          f.carries[static_cast<int>(s)] |= lines;
          int lead = 0;
          while (lead < f.leadCount && f.leads[lead].symbol != s) ++lead;
          if (lead == f.leadCount) f.leads[f.leadCount++].symbol = s;
          f.leads[lead].lines |= lines;
        }
      }
    }
  return t;
}

}  // namespace

constinit const ReelTables kReelTables = buildReelTables();

Symbol stripSymbol(int reel, int cell) { return symbolFromLetter(kStrips[reel - 1][cell]); }
Row paylineRow(int line, int reel) { return rowFromLetter(kPaylines[line - 1][reel - 1]); }
int cellCode(int reel, int row) { return kCellCodes[reel - 1][row]; }
const RowLines& rowLines(int reel, int row) { return kRowLines.lists[reel - 1][row]; }
int rowLineCount(int reel, int row) { return kRowLines.counts[reel - 1][row]; }

LineMask cellLineMask(int reel, int code) {
  for (int w = 0; w < kRows; ++w)
    if (code != 0 && kCellCodes[reel - 1][w] == code) return rowLineMask(reel, w);
  return 0;
}

LineArray MatchValues::of(Symbol s) const {
  LineArray values{};
  for (int r = 1; r <= kReels; ++r) {
    const auto mark = static_cast<std::int16_t>(reelMark(r));
    forEachLine(face[r]->carries[static_cast<int>(s)], [&](int line) { values[line] += mark; });
  }
  return values;
}

}  // namespace quov
