#include "records/return_texts.h"

#include <cmath>
#include <cstdio>

namespace quov {

namespace {

std::string fixed(double x, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, x);
  return text;
}

std::string count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string expectedPercent(double fraction) { return fixed(std::round(100 * fraction), 0) + " %"; }

std::string measuredPercent(const std::optional<double>& percent) {
  return percent ? fixed(*percent, 1) + " %" : std::string("–");
}

std::string expectedAtBet(int lines, int betperline) {
  return "Expected at " + count(lines, "line", "lines") + " × " + count(betperline, "cent", "cents") +
         ", the jackpots at their starting amounts";
}

std::string expectedReturnTip(const ExpectedReturn& r) {
  return "Ordinary spins " + fixed(100 * r.base, 1) + " %, exact over every stop of the reels\n" +
         "Free spins " + fixed(100 * r.free, 1) + " % ± " + fixed(100 * r.freeError, 1) +
         ", estimated by playing many series by the game's own rules\n" + "Jackpots " +
         fixed(100 * r.jackpot, 1) + " % at their starting amounts; grown jackpots pay more";
}

}  // namespace quov
