#include "tools/par/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "rules/throttle.h"
#include "tools/par/report.h"

namespace quov::par {

namespace {

constexpr int kWidth = 960, kPanelHeight = 250, kTop = 70, kLeft = 70, kRight = 20;
constexpr double kFloorReturn = 0.1;

struct Segment {
  const char* name;
  const char* colour;
};
constexpr Segment kSegments[] = {{"base game", "#4e79a7"},
                                 {"free spins", "#59a14f"},
                                 {"jackpots, meters at their floors", "#f28e2b"},
                                 {"jackpots, meters grown above their floors", "#e15759"}};

std::string num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

std::string text(double x, double y, const std::string& s, const char* anchor = "middle",
                 int size = 12) {
  return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" + std::to_string(size) +
         "\" text-anchor=\"" + anchor + "\">" + s + "</text>\n";
}

}  // namespace

std::string sheetChart(const std::vector<SheetRow>& rows) {
  // Per payout setting and total bet, the row with the most lines.
  std::map<int, std::map<int, const SheetRow*>> chosen;
  double top = 1;
  for (const SheetRow& row : rows) {
    const SheetRow*& slot = chosen[row.payout][row.totalBet()];
    if (slot == nullptr || row.lines > slot->lines) slot = &row;
    top = std::max(top, row.simulated.parts[Total].rtp);
  }
  const double decades = std::ceil(std::log10(top / kFloorReturn));
  const double plotTop = kFloorReturn * std::pow(10.0, decades);
  const int plotWidth = kWidth - kLeft - kRight;
  const int plotHeight = kPanelHeight - 60;
  const int height = kTop + static_cast<int>(std::size(kPayoutSettings)) * kPanelHeight + 10;

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) +
                    "\" height=\"" + std::to_string(height) +
                    "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += text(kWidth / 2.0, 24,
              "Return per total bet staked, by total bet in cents (the most lines where bets share a "
              "total); log scale, break-even dashed",
              "middle", 14);
  for (std::size_t i = 0; i < std::size(kSegments); ++i) {
    const double x = kLeft + 210.0 * static_cast<double>(i);
    svg += "<rect x=\"" + num(x) + "\" y=\"38\" width=\"12\" height=\"12\" fill=\"" +
           kSegments[i].colour + "\"/>\n";
    svg += text(x + 16, 48, kSegments[i].name, "start", 11);
  }

  int panel = 0;
  for (int payout : kPayoutSettings) {
    const auto& bets = chosen[payout];
    const double y0 = kTop + panel * kPanelHeight + 30;  // top of the plot
    auto yOf = [&](double v) {
      const double clamped = std::clamp(v, kFloorReturn, plotTop);
      return y0 + plotHeight * (1 - std::log10(clamped / kFloorReturn) / decades);
    };
    svg += text(kLeft, y0 - 10, "payout " + std::to_string(payout) + " (" + payoutName(payout) + ")",
                "start", 13);
    for (int d = 0; d <= static_cast<int>(decades); ++d) {
      const double v = kFloorReturn * std::pow(10.0, d);
      const double y = yOf(v);
      svg += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(y) + "\" x2=\"" + num(kLeft + plotWidth) +
             "\" y2=\"" + num(y) + "\" stroke=\"#ddd\"/>\n";
      char label[16];
      std::snprintf(label, sizeof label, "%g", v);
      svg += text(kLeft - 6, y + 4, label, "end", 11);
    }
    const double slot = static_cast<double>(plotWidth) / static_cast<double>(bets.size());
    int k = 0;
    for (const auto& [totalBet, row] : bets) {
      const auto& p = row->simulated.parts;
      const double growth = std::max(0.0, p[Jackpot].rtp - row->jackpotAtFloor);
      const double tops[] = {p[Base].rtp, p[Base].rtp + p[Free].rtp,
                             p[WithoutJackpots].rtp + row->jackpotAtFloor,
                             p[WithoutJackpots].rtp + row->jackpotAtFloor + growth};
      const double x = kLeft + slot * k + slot * 0.15;
      double bottom = kFloorReturn;
      for (std::size_t s = 0; s < std::size(kSegments); ++s) {
        if (tops[s] <= bottom) continue;
        const double yTop = yOf(tops[s]), yBottom = yOf(bottom);
        svg += "<rect x=\"" + num(x) + "\" y=\"" + num(yTop) + "\" width=\"" + num(slot * 0.7) +
               "\" height=\"" + num(yBottom - yTop) + "\" fill=\"" + kSegments[s].colour + "\"><title>" +
               std::to_string(row->lines) + " x " + std::to_string(row->betperline) + " cents: " +
               kSegments[s].name + " to " + num(tops[s]) + "</title></rect>\n";
        bottom = tops[s];
      }
      svg += text(x + slot * 0.35, y0 + plotHeight + 14, std::to_string(totalBet), "middle", 11);
      ++k;
    }
    const double one = yOf(1.0);
    svg += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(one) + "\" x2=\"" + num(kLeft + plotWidth) +
           "\" y2=\"" + num(one) + "\" stroke=\"black\" stroke-dasharray=\"5,4\"/>\n";
    ++panel;
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace quov::par
