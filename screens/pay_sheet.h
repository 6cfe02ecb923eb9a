// What the pay-table picture shows, read from the game's own rules: every
// line symbol's pays, the scatter pays, the free-spin awards, the reels the
// wild stands on and the multipliers it brings in free spins.
#pragma once

#include <vector>

#include "rules/symbols.h"

namespace quov {

struct PaySheet {
  struct Pay {
    int count;     // symbols in the run, or scatters anywhere
    int multiple;  // of the bet per line (line pays) or of the total bet (scatters)
  };
  struct SymbolPays {
    Symbol symbol;
    std::vector<Pay> pays;  // the longest run first; runs that pay nothing are left out
  };
  std::vector<SymbolPays> symbols;  // the best paying first
  std::vector<Pay> scatterPays;     // the most scatters first
  struct Award {
    int scatters;
    int freeSpins;
  };
  std::vector<Award> awards;     // the fewest scatters first
  std::vector<int> wildReels;    // in reel order
  std::vector<int> multipliers;  // smallest first
};

PaySheet paySheet();

}  // namespace quov
