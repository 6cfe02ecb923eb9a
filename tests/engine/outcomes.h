// Finding reel stops for a wanted outcome, with the game's own rules.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "rules/paytable.h"
#include "rules/reels.h"

namespace quov::testing {

using Stops = std::array<int, 5>;

struct Outcome {
  Readout readout;
  std::int32_t lineWin = 0;
  LineArray winline{}, winlength{};
};

inline Outcome evaluate(const Stops& stops, int lines, int betperline) {
  Outcome o;
  for (int r = 1; r <= 5; ++r) readReel(o.readout, r, stops[r - 1]);
  o.lineWin = evaluateLines(o.readout.match, lines, betperline, o.winline, o.winlength);
  return o;
}

// The first stops (in a fixed order of search) whose outcome on `lines`
// lines satisfies `want`.
inline std::optional<Stops> findStops(int lines, const std::function<bool(const Outcome&)>& want,
                                      int seed = 0) {
  for (int i = 0; i < 22 * 22 * 22 * 22 * 22; ++i) {
    int k = (i * 7919 + seed) % (22 * 22 * 22 * 22 * 22);
    Stops s{};
    for (int r = 0; r < 5; ++r) {
      s[r] = k % 22 + 1;
      k /= 22;
    }
    if (want(evaluate(s, lines, 1))) return s;
  }
  return std::nullopt;
}

// A stop of `reel` that shows `sym` in `row`.
inline int stopShowing(int reel, int row, Symbol sym) {
  for (int s = 1; s <= 22; ++s)
    if (visibleSymbol(reel, s, row) == sym) return s;
  return 0;
}

inline bool noWild(const Outcome& o) {
  return o.readout.wildcell[2] == 0 && o.readout.wildcell[3] == 0 && o.readout.wildcell[4] == 0;
}
inline bool losing(const Outcome& o) {
  return o.lineWin == 0 && o.readout.scattercount < 2 && noWild(o);
}
inline bool plainLineWin(const Outcome& o) {
  return o.lineWin > 0 && o.readout.scattercount < 2 && noWild(o);
}

}  // namespace quov::testing
