#include "engine/rules/free_spins.h"

namespace quov {

FreeSpinAward freeSpinAward(int scattercount) {
  switch (scattercount) {
    case 3: return {11, 10};
    case 4: return {16, 15};
    case 5: return {21, 20};
    default: return {0, 0};
  }
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

bool lineTouchesWild(int line, int winlength, const ReelArray& wildcell) {
  int lastReel = 0;
  if (winlength == 2) lastReel = 2;
  if (winlength == 3) lastReel = 3;
  if (winlength == 4 || winlength == 5) lastReel = 4;
  for (int r = 2; r <= lastReel; ++r)
    if (lineCell(line, r) == wildcell[r]) return true;
  return false;
}

}  // namespace quov
