#include "rules/free_spins.h"

#include "rules/checked.h"

namespace quov {

namespace {
WinLengths lengthsOf(const LineArray& winlength, int lines) {
  WinLengths l;
  for (int line = 1; line <= lines && line <= kLines; ++line)
    if (winlength[line] >= 2 && winlength[line] <= 5)
      l.runs[winlength[line] - 2] |= lineBit(line);
  return l;
}
}  // namespace

bool seriesStep(Series& s, int scattercount) {
  add(s.played, 1);
  if (scattercount >= 3) return false;
  return s.played == s.given;
}

Multiplier multiplierForDraw(int d) {
  if (d == 1) return {10, 44};
  if (d <= 5) return {5, 40};
  if (d <= 14) return {3, 36};
  return {2, 32};
}

int badgeForMultiplier(int mult) {
  switch (mult) {
    case 2: return 32;
    case 3: return 36;
    case 5: return 40;
    case 10: return 44;
    default: return 0;
  }
}

WildLines wildLinesOf(const ReelArray& wildcell) {
  return {cellLineMask(2, wildcell[2]), cellLineMask(3, wildcell[3]),
          cellLineMask(4, wildcell[4])};
}

LineMask linesMeetingWild(const WinLengths& lengths, const WildLines& wilds) {
  return (lengths.atLeast(2) & wilds[0]) | (lengths.atLeast(3) & wilds[1]) |
         (lengths.atLeast(4) & wilds[2]);
}

bool wildInWin(const WinLengths& lengths, const WildLines& wilds, int lines) {
  return (linesMeetingWild(lengths, wilds) & firstLines(lines)) != 0;
}

bool wildInWin(const LineArray& winlength, const ReelArray& wildcell, int lines) {
  return wildInWin(lengthsOf(winlength, lines), wildLinesOf(wildcell), lines);
}

bool lineTouchesWild(int line, int winlength, const ReelArray& wildcell) {
  WinLengths l;
  if (winlength >= 2 && winlength <= 5) l.runs[winlength - 2] = lineBit(line);
  return linesMeetingWild(l, wildLinesOf(wildcell)) != 0;
}

}  // namespace quov
