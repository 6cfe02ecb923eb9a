// The twelve symbols of the reels.
#pragma once

#include <cstdint>

namespace quov {

// Ten line symbols, then the wild (the queen portrait, reels 2 to 4 only)
// and the scatter (the pyramids).
enum class Symbol : std::uint8_t { J, K, Q, Lotus, Eye, Ankh, Ring, Scarab, Dog, Cobra, Wild, Scatter };

inline constexpr int kLineSymbols = 10;

constexpr bool isLineSymbol(Symbol s) { return static_cast<int>(s) < kLineSymbols; }

constexpr Symbol symbolFromLetter(char c) {
  switch (c) {
    case 'J': return Symbol::J;
    case 'K': return Symbol::K;
    case 'Q': return Symbol::Q;
    case 'L': return Symbol::Lotus;
    case 'E': return Symbol::Eye;
    case 'A': return Symbol::Ankh;
    case 'R': return Symbol::Ring;
    case 'S': return Symbol::Scarab;
    case 'D': return Symbol::Dog;
    case 'C': return Symbol::Cobra;
    case 'W': return Symbol::Wild;
    default: return Symbol::Scatter;  // 'P', the pyramids
  }
}

constexpr const char* symbolName(Symbol s) {
  constexpr const char* names[] = {"J",    "K",   "Q",      "lotus", "eye",  "ankh",
                                   "ring", "scarab", "dog", "cobra", "wild", "scatter"};
  return names[static_cast<int>(s)];
}

}  // namespace quov
