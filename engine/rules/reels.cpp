#include "engine/rules/reels.h"

#include "engine/rules/checked.h"

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

constexpr int kMarks[kReels] = {8, 7, 6, 10, 20};

constexpr int kCellCodes[kReels][kRows] = {
    {1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};

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

constexpr LineArray MatchValues::*kBySymbol[kLineSymbols] = {
    &MatchValues::jmatch,    &MatchValues::kmatch,    &MatchValues::qmatch,
    &MatchValues::lotusmatch, &MatchValues::eyematch,  &MatchValues::ankhmatch,
    &MatchValues::ringmatch, &MatchValues::scarabmatch, &MatchValues::dogmatch,
    &MatchValues::cobramatch};

}  // namespace

Symbol stripSymbol(int reel, int cell) { return symbolFromLetter(kStrips[reel - 1][cell]); }
Row paylineRow(int line, int reel) { return rowFromLetter(kPaylines[line - 1][reel - 1]); }
int cellCode(int reel, int row) { return kCellCodes[reel - 1][row]; }
int reelMark(int reel) { return kMarks[reel - 1]; }
const RowLines& rowLines(int reel, int row) { return kRowLines.lists[reel - 1][row]; }
int rowLineCount(int reel, int row) { return kRowLines.counts[reel - 1][row]; }

LineArray& MatchValues::of(Symbol s) { return this->*kBySymbol[static_cast<int>(s)]; }
const LineArray& MatchValues::of(Symbol s) const { return this->*kBySymbol[static_cast<int>(s)]; }

void MatchValues::clearLines() {
  for (auto member : kBySymbol)
    for (int line = 1; line <= kLines; ++line) (this->*member)[line] = 0;
  for (int line = 1; line <= kLines; ++line) {
    wildonline[line] = 0;
    lead[line] = kNoLead;
  }
}

bool readReel(Readout& out, int reel, int stop) {
  // The zero entries that pad a row-line list address the scratch slot 0,
  // which nothing reads; only the lines themselves are written. A match
  // value on a line is at most 8 + 7 + 6 + 10 + 20, so no addition there
  // can overflow.
  const auto mark = static_cast<std::int16_t>(reelMark(reel));
  bool wild = false;
  for (int row = Top; row <= Bottom; ++row) {
    const Symbol s = visibleSymbol(reel, stop, row);
    const RowLines& lines = rowLines(reel, row);
    const int count = rowLineCount(reel, row);
    if (s == Symbol::Scatter) {
      add(out.scattercount, 1);
      out.scattercell[reel] = static_cast<std::int16_t>(cellCode(reel, row));
      if (reel == 1)
        for (int i = 1; i <= count; ++i) out.match.lead[lines[i]] = MatchValues::kNoLead;
    } else if (s == Symbol::Wild) {
      for (int i = 1; i <= count; ++i) {
        const int line = lines[i];
        for (auto member : kBySymbol) (out.match.*member)[line] += mark;
        out.match.wildonline[line] = mark;
      }
      out.wildcell[reel] = static_cast<std::int16_t>(cellCode(reel, row));
      wild = true;
    } else {
      LineArray& values = out.match.of(s);
      if (reel == 1) {
        for (int i = 1; i <= count; ++i) {
          values[lines[i]] = mark;
          out.match.lead[lines[i]] = static_cast<std::int8_t>(s);
        }
      } else {
        for (int i = 1; i <= count; ++i) values[lines[i]] += mark;
      }
    }
  }
  return wild;
}

}  // namespace quov
