#include "tools/par/report.h"

#include <cstdio>

#include "rules/free_spins.h"
#include "rules/reels.h"
#include "tools/par/json.h"

namespace quov::par {

namespace {

std::string format(const char* fmt, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}
std::string fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}
std::string oneIn(double p) { return p > 0 ? "1 in " + format("%.1f", 1 / p) : "never"; }
std::string pad(std::string s, std::size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}
std::string padLeft(std::string s, std::size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

// Words of `text` in lines of at most `width` characters, each after
// `indent`.
std::string wrapped(const std::string& text, const std::string& indent, std::size_t width = 78) {
  std::string out, line = indent;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t to = text.find(' ', from);
    if (to == std::string::npos) to = text.size();
    const std::string word = text.substr(from, to - from);
    if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
      out += line + "\n";
      line = indent;
    }
    if (line.size() > indent.size()) line += ' ';
    line += word;
    from = to + 1;
  }
  return out + line + "\n";
}

constexpr Part kShownParts[] = {Base,  Free,  Jackpot,        BetMultiples,    Minor,
                                Major, Grand, JackpotAtFloor, WithoutJackpots, Total};

std::string settingLine(int payout, int lines, int bet) {
  return "payout " + std::to_string(payout) + " (" + payoutName(payout) + "), " +
         std::to_string(lines) + (lines == 1 ? " line" : " lines") + " x " + std::to_string(bet) +
         (bet == 1 ? " cent" : " cents") + " (total bet " + std::to_string(lines * bet) +
         " cents)";
}

}  // namespace

const char* payoutName(int payout) {
  switch (payout) {
    case 4: return "Realistic";
    case 3: return "Loose";
    case 1: return "Dream Machine !!";
    default: return "?";
  }
}

std::string exactTable(const ExactSheet& s) {
  std::string t = "Base game, exact over all 22^5 = 5153632 stops\n";
  t += "payout " + std::to_string(s.payout) + " (" + payoutName(s.payout) + "), " +
       std::to_string(s.lines) + (s.lines == 1 ? " line" : " lines") + "\n\n";
  t += "  return per total bet   " + fixed(s.rtp, 6) + "   (" + s.rtpFraction + ")\n";
  t += "    line pays            " + fixed(s.lineRtp, 6) + "\n";
  t += "    scatter pays         " + fixed(s.scatterRtp, 6) + "\n";
  t += "  hit frequency          " + fixed(s.hitFrequency, 6) + "   (" + oneIn(s.hitFrequency) + ")\n";
  t += "  standard deviation     " + fixed(s.stdev, 4) + " total bets per spin\n";
  t += "  free-spin trigger      " + fixed(s.triggerProbability, 6) + "   (" +
       oneIn(s.triggerProbability) + " spins)\n\n";
  t += "  win in total bets   probability\n";
  for (const WinBand& b : s.distribution)
    t += "    " + pad(b.label, 16) + fixed(b.probability, 8) + "\n";
  t += "\n  top awards (total bets, outcomes, odds per spin)\n";
  for (const TopAward& a : s.topAwards)
    t += "    " + padLeft(fixed(a.totalBets, 2), 9) + "  " + padLeft(std::to_string(a.count), 5) +
         "  1 in " + format("%.0f", a.oneIn) + "\n";
  t += "\n" + wrapped(std::string("Note: ") + kExactNote + ".", "  ");
  return t;
}

std::string exactJson(const ExactSheet& s) {
  JsonWriter j;
  j.beginObject();
  j.value("lines", s.lines).value("payout", s.payout).value("payout_name", payoutName(s.payout));
  j.value("rtp", s.rtp).value("rtp_fraction", s.rtpFraction);
  j.value("line_rtp", s.lineRtp).value("scatter_rtp", s.scatterRtp);
  j.value("hit_frequency", s.hitFrequency).value("stdev", s.stdev);
  j.value("trigger_probability", s.triggerProbability);
  j.beginObject("distribution");
  for (const WinBand& b : s.distribution) j.value(b.label.c_str(), b.probability);
  j.endObject();
  j.beginArray("top_awards");
  for (const TopAward& a : s.topAwards) {
    j.beginObject();
    j.value("total_bets", a.totalBets).value("outcomes", a.count).value("one_in", a.oneIn);
    j.endObject();
  }
  j.endArray();
  j.value("note", kExactNote);
  j.endObject();
  return j.text();
}

std::string simulationTable(const SimulationResult& r) {
  const PressSetting& s = r.options.setting;
  const Tally& t = r.tally;
  std::string out = "Whole presses, simulated\n" + settingLine(s.machinepay, s.lines, s.betperline) +
                    ", meters " + (s.growingMeters ? "growing" : "at their floors") + "\n";
  out += std::to_string(t.presses) + " presses, seed " + std::to_string(r.options.seed) + ", " +
         std::to_string(r.threads) + (r.threads == 1 ? " thread, " : " threads, ") +
         fixed(r.seconds, 2) + " s, " + fixed(r.pressesPerSecond / 1e6, 2) + " M presses/s; " +
         fixed(r.cpuSeconds, 2) + " s of processor time, " + fixed(r.pressesPerCpuSecond / 1e6, 2) +
         " M presses per processor-second\n\n";
  out += "  return per total bet staked   return    std err   95% interval          99% interval\n";
  for (Part p : kShownParts) {
    if (p == JackpotAtFloor && !s.growingMeters) continue;
    const PartFigure& f = r.parts[p];
    const bool sub = p == BetMultiples || p == Minor || p == Major || p == Grand;
    out += "    " + pad(std::string(sub ? "  " : "") + partName(p), 26) + padLeft(fixed(f.rtp, 4), 8) +
           padLeft(fixed(f.stdError, 4), 10) + "   [" + fixed(f.low95, 4) + ", " + fixed(f.high95, 4) +
           "]   [" + fixed(f.low99, 4) + ", " + fixed(f.high99, 4) + "]\n";
  }
  out += "\n  hit frequency per press      " + fixed(r.hitFrequency, 4) + "\n";
  out += "  volatility per press         " + fixed(r.volatility, 2) + " total bets\n";
  out += "  jackpot times               " + oneIn(static_cast<double>(t.jackpotTimes) / static_cast<double>(t.presses)) + " presses\n";
  out += "  free-spin series            " + oneIn(r.seriesFrequency) + " presses, " +
         fixed(r.meanSeriesLength, 2) + " free spins and " + fixed(r.meanSeriesWin, 2) +
         " total bets on average\n";
  out += "  free-spin multipliers       ";
  for (std::size_t i = 0; i < kFreeSpinMultipliers.size(); ++i)
    out += "x" + std::to_string(kFreeSpinMultipliers[i]) + " " + fixed(100 * r.multiplierShare[i], 2) + "%  ";
  out += "\n  outcomes voided per press    " +
         fixed(static_cast<double>(t.voids) / static_cast<double>(t.presses), 4) + "\n";
  const GambleFairness g = gambleFairness();
  out += "  gamble                       colour wins " + fixed(g.colourWins, 2) + " and returns " +
         fixed(g.colourReturn, 3) + ", suit wins " + fixed(g.suitWins, 2) + " and returns " +
         fixed(g.suitReturn, 3) + "\n";
  return out;
}

std::string simulationJson(const SimulationResult& r) {
  const PressSetting& s = r.options.setting;
  const Tally& t = r.tally;
  JsonWriter j;
  j.beginObject();
  j.value("payout", s.machinepay).value("lines", s.lines).value("bet", s.betperline);
  j.value("total_bet", s.totalBet()).value("growing_meters", s.growingMeters);
  j.value("seed", static_cast<std::int64_t>(r.options.seed)).value("threads", r.threads);
  j.value("presses", t.presses);
  auto parts = [&](const char* key, auto get) {
    j.beginObject(key);
    for (int p = 0; p < kParts; ++p) get(static_cast<Part>(p));
    j.endObject();
  };
  parts("rtp", [&](Part p) { j.value(partName(p), r.parts[p].rtp); });
  parts("stderr", [&](Part p) { j.value(partName(p), r.parts[p].stdError); });
  parts("ci95", [&](Part p) {
    j.beginArray(partName(p)).value(nullptr, r.parts[p].low95).value(nullptr, r.parts[p].high95).endArray();
  });
  parts("ci99", [&](Part p) {
    j.beginArray(partName(p)).value(nullptr, r.parts[p].low99).value(nullptr, r.parts[p].high99).endArray();
  });
  j.value("hit_frequency", r.hitFrequency).value("volatility", r.volatility);
  j.value("jackpot_frequency", static_cast<double>(t.jackpotTimes) / static_cast<double>(t.presses));
  j.value("series_frequency", r.seriesFrequency);
  j.value("mean_series_length", r.meanSeriesLength).value("mean_series_win", r.meanSeriesWin);
  j.beginObject("multipliers");
  for (std::size_t i = 0; i < kFreeSpinMultipliers.size(); ++i)
    j.value(std::to_string(kFreeSpinMultipliers[i]).c_str(), r.multiplierShare[i]);
  j.endObject();
  j.value("voids_per_press", static_cast<double>(t.voids) / static_cast<double>(t.presses));
  const GambleFairness g = gambleFairness();
  j.beginObject("gamble");
  j.value("colour_wins", g.colourWins).value("colour_return", g.colourReturn);
  j.value("suit_wins", g.suitWins).value("suit_return", g.suitReturn);
  j.endObject();
  j.value("seconds", r.seconds).value("presses_per_second", r.pressesPerSecond);
  j.value("cpu_seconds", r.cpuSeconds).value("presses_per_cpu_second", r.pressesPerCpuSecond);
  j.endObject();
  return j.text();
}

namespace {
// The columns of a sheet row, shared by the table and the CSV.
struct RowFigures {
  double exactBase, base, free, jackpotFloor, jackpot, total, totalStdError, totalAtFloor, withoutJackpots;
};
RowFigures figures(const SheetRow& row) {
  const auto& p = row.simulated.parts;
  RowFigures f{};
  f.exactBase = row.exact.rtp;
  f.base = p[Base].rtp;
  f.free = p[Free].rtp;
  f.jackpotFloor = row.jackpotAtFloor;
  f.jackpot = p[Jackpot].rtp;
  f.total = p[Total].rtp;
  f.totalStdError = p[Total].stdError;
  f.totalAtFloor = p[WithoutJackpots].rtp + row.jackpotAtFloor;
  f.withoutJackpots = p[WithoutJackpots].rtp;
  return f;
}
}  // namespace

std::string sheetTable(const std::vector<SheetRow>& rows) {
  std::string t =
      "Return per total bet staked, every setting. base exact: the base game over all stops,\n"
      "every spin drawn afresh (see the note). base, free, jackpot: simulated whole presses\n"
      "with growing meters; jackpot floor: exact, meters at their floors.\n\n";
  t += "payout             lines  bet  total | base exact |   base   free | jackpot floor  jackpot |"
       "    total  std err | total floor | no jackpots\n";
  for (const SheetRow& row : rows) {
    const RowFigures f = figures(row);
    t += pad(std::to_string(row.payout) + " " + payoutName(row.payout), 19) +
         padLeft(std::to_string(row.lines), 5) + padLeft(std::to_string(row.betperline), 5) +
         padLeft(std::to_string(row.totalBet()), 7) + " |" + padLeft(fixed(f.exactBase, 4), 11) +
         " |" + padLeft(fixed(f.base, 4), 7) + padLeft(fixed(f.free, 4), 7) + " |" +
         padLeft(fixed(f.jackpotFloor, 4), 14) + padLeft(fixed(f.jackpot, 4), 9) + " |" +
         padLeft(fixed(f.total, 4), 9) + padLeft(fixed(f.totalStdError, 4), 9) + " |" +
         padLeft(fixed(f.totalAtFloor, 4), 12) + " |" + padLeft(fixed(f.withoutJackpots, 4), 12) + "\n";
  }
  const GambleFairness g = gambleFairness();
  t += "\n" + wrapped("Gamble: a colour bet wins " + fixed(g.colourWins, 2) + " of the time and returns " +
                           fixed(g.colourReturn, 3) + " of its stake; a suit bet wins " +
                           fixed(g.suitWins, 2) + " and returns " + fixed(g.suitReturn, 3) + ".",
                       "");
  t += wrapped(std::string("Note: ") + kExactNote + ".", "");
  return t;
}

std::string sheetJson(const std::vector<SheetRow>& rows) {
  JsonWriter j;
  j.beginObject();
  j.beginArray("settings");
  for (const SheetRow& row : rows) {
    const RowFigures f = figures(row);
    j.beginObject();
    j.value("payout", row.payout).value("payout_name", payoutName(row.payout));
    j.value("lines", row.lines).value("bet", row.betperline).value("total_bet", row.totalBet());
    j.value("exact_base_rtp", f.exactBase).value("exact_hit_frequency", row.exact.hitFrequency);
    j.value("exact_stdev", row.exact.stdev).value("trigger_probability", row.exact.triggerProbability);
    j.value("jackpot_rtp_at_floor", f.jackpotFloor);
    j.value("presses", row.simulated.tally.presses);
    j.beginObject("rtp");
    for (int p = 0; p < kParts; ++p) j.value(partName(static_cast<Part>(p)), row.simulated.parts[p].rtp);
    j.endObject();
    j.beginObject("stderr");
    for (int p = 0; p < kParts; ++p)
      j.value(partName(static_cast<Part>(p)), row.simulated.parts[p].stdError);
    j.endObject();
    j.value("hit_frequency", row.simulated.hitFrequency).value("volatility", row.simulated.volatility);
    j.endObject();
  }
  j.endArray();
  const GambleFairness g = gambleFairness();
  j.beginObject("gamble");
  j.value("colour_wins", g.colourWins).value("colour_return", g.colourReturn);
  j.value("suit_wins", g.suitWins).value("suit_return", g.suitReturn);
  j.endObject();
  j.value("note", kExactNote);
  j.endObject();
  return j.text();
}

std::string sheetCsv(const std::vector<SheetRow>& rows) {
  std::string t =
      "payout,lines,bet,total_bet,exact_base_rtp,base,free,jackpot_at_floor,jackpot,total,"
      "total_stderr,total_at_floor,without_jackpots,hit_frequency,volatility\n";
  for (const SheetRow& row : rows) {
    const RowFigures f = figures(row);
    for (double v : {double(row.payout), double(row.lines), double(row.betperline),
                     double(row.totalBet()), f.exactBase, f.base, f.free, f.jackpotFloor,
                     f.jackpot, f.total, f.totalStdError, f.totalAtFloor, f.withoutJackpots,
                     row.simulated.hitFrequency, row.simulated.volatility})
      t += format("%.10g", v) + ",";
    t.back() = '\n';
  }
  return t;
}

}  // namespace quov::par
