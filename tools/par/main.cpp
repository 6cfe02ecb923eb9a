// quov-par: the PAR sheet of the game, from the rules the game plays by.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/bets.h"
#include "rules/throttle.h"
#include "tools/par/chart.h"
#include "tools/par/exact.h"
#include "tools/par/report.h"
#include "tools/par/sheet.h"
#include "tools/par/simulate.h"

namespace {

using namespace quov;
using namespace quov::par;

constexpr const char* kUsage = R"(quov-par: the game's return, exact and simulated, from the game's own rules

usage:
  quov-par exact [--lines N] [--payout M] [--json]
      The base game of one setting, exact over all 22^5 reel stops: line,
      scatter and whole return, hit frequency, standard deviation per spin,
      the distribution of wins, the chance of a free-spin series and the top
      awards. Lines 1, 5, 10, 15 or 25 (default 25); payout setting 4
      "Realistic", 3 "Loose" or 1 "Dream Machine !!" (default 4).

  quov-par simulate --payout M --lines N --bet B --presses COUNT
                    [--seed S] [--threads T] [--growing-meters] [--json]
      COUNT whole spin presses as an autoplay player makes them: the payout
      throttle and its replacement spins, free-spin series with held wilds
      and multipliers, jackpot times; the return split by source with
      standard errors and 95 % and 99 % intervals. Bet per line 1, 2, 3, 5,
      10 or 20 cents. The meters stay at their floors unless
      --growing-meters. The figures depend on the seed (default 1) only,
      not on the threads (default: one per core).

  quov-par sheet [--json | --csv] [--chart FILE.svg]
      Every setting: the exact base game and PRESSES simulated presses
      with growing meters for each payout setting, line count and bet.
      --chart writes the return by total bet, stacked by source, as SVG.

  quov-par --help
      This text.

Returns are per total bet staked: a jackpot time takes no bet. Jackpot
prizes are booked as the game books them, by value: a bet multiple equal to
a meter counts as that meter.
)";

std::string usage() {
  std::string u = kUsage;
  u.replace(u.find("PRESSES"), 7, std::to_string(kSheetPresses));
  return u;
}

struct Args {
  std::string command;
  std::map<std::string, std::string> values;
  std::vector<std::string> flags;
  bool has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
  }
};

[[noreturn]] void fail(const std::string& message) {
  std::cerr << "quov-par: " << message << "\nTry 'quov-par --help'.\n";
  std::exit(2);
}

Args parse(int argc, char** argv, const std::vector<std::string>& valued,
           const std::vector<std::string>& switches) {
  Args a;
  a.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (std::find(valued.begin(), valued.end(), arg) != valued.end()) {
      if (i + 1 >= argc) fail(arg + " needs a value");
      a.values[arg] = argv[++i];
    } else if (std::find(switches.begin(), switches.end(), arg) != switches.end()) {
      a.flags.push_back(arg);
    } else {
      fail("unknown option '" + arg + "' for " + a.command);
    }
  }
  return a;
}

std::optional<long long> number(const Args& a, const std::string& key) {
  auto it = a.values.find(key);
  if (it == a.values.end()) return std::nullopt;
  try {
    std::size_t used = 0;
    const long long v = std::stoll(it->second, &used);
    if (used == it->second.size()) return v;
  } catch (const std::exception&) {
  }
  fail(key + " takes a whole number, not '" + it->second + "'");
}

template <class List>
int oneOf(const Args& a, const std::string& key, const List& allowed, std::optional<int> fallback) {
  const auto v = number(a, key);
  if (!v) {
    if (fallback) return *fallback;
    fail(key + " is required");
  }
  for (int x : allowed)
    if (x == *v) return x;
  std::string list;
  for (int x : allowed) list += (list.empty() ? "" : ", ") + std::to_string(x);
  fail(key + " must be one of " + list);
}

// A progress bar on a terminal, shown once a run has taken a second.
class ProgressBar {
 public:
  ProgressBar() : shown_(isatty(STDERR_FILENO) != 0) {}
  void update(double fraction, double seconds, const std::string& what) {
    if (!shown_ || seconds < 1.0) return;
    constexpr int kCells = 30;
    const int full = static_cast<int>(fraction * kCells);
    std::fprintf(stderr, "\r  [%s%s] %3d%%  %s", std::string(static_cast<std::size_t>(full), '#').c_str(),
                 std::string(static_cast<std::size_t>(kCells - full), '.').c_str(),
                 static_cast<int>(fraction * 100), what.c_str());
    drawn_ = true;
  }
  ~ProgressBar() {
    if (drawn_) std::fprintf(stderr, "\r%80s\r", "");
  }

 private:
  bool shown_, drawn_ = false;
};

int exactCommand(int argc, char** argv) {
  const Args a = parse(argc, argv, {"--lines", "--payout"}, {"--json"});
  const int lines = oneOf(a, "--lines", kLineChoices, 25);
  const int payout = oneOf(a, "--payout", kPayoutSettings, 4);
  const ExactSheet s = exactSheet(enumerateBaseGame(lines), payout);
  std::cout << (a.has("--json") ? exactJson(s) : exactTable(s));
  return 0;
}

int simulateCommand(int argc, char** argv) {
  const Args a = parse(argc, argv, {"--payout", "--lines", "--bet", "--presses", "--seed", "--threads"},
                       {"--growing-meters", "--json"});
  SimulationOptions o;
  o.setting.machinepay = oneOf(a, "--payout", kPayoutSettings, std::nullopt);
  o.setting.lines = oneOf(a, "--lines", kLineChoices, std::nullopt);
  o.setting.betperline = oneOf(a, "--bet", kBetsPerLine, std::nullopt);
  o.setting.growingMeters = a.has("--growing-meters");
  const auto presses = number(a, "--presses");
  if (!presses || *presses < 1) fail("--presses needs a count of 1 or more");
  o.presses = static_cast<std::uint64_t>(*presses);
  o.seed = static_cast<std::uint64_t>(number(a, "--seed").value_or(1));
  const long long threads = number(a, "--threads").value_or(0);
  if (threads < 0 || threads > 1024) fail("--threads must be between 1 and 1024");
  o.threads = static_cast<int>(threads);
  SimulationResult r;
  {
    ProgressBar bar;
    o.progress = [&](std::uint64_t done, double seconds) {
      char what[64];
      std::snprintf(what, sizeof what, "%.1f M presses/s", static_cast<double>(done) / seconds / 1e6);
      bar.update(static_cast<double>(done) / static_cast<double>(o.presses), seconds, what);
    };
    r = simulate(o);
  }
  std::cout << (a.has("--json") ? simulationJson(r) : simulationTable(r));
  return 0;
}

int sheetCommand(int argc, char** argv) {
  const Args a = parse(argc, argv, {"--chart"}, {"--json", "--csv"});
  if (a.has("--json") && a.has("--csv")) fail("choose --json or --csv, not both");
  std::vector<SheetRow> rows;
  {
    ProgressBar bar;
    const auto start = std::chrono::steady_clock::now();
    rows = buildSheet(kSheetPresses, kSheetSeed, [&](int done, int all) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      bar.update(static_cast<double>(done) / all, seconds,
                 std::to_string(done) + " of " + std::to_string(all) + " settings");
    });
  }
  if (auto it = a.values.find("--chart"); it != a.values.end()) {
    std::ofstream out(it->second);
    out << sheetChart(rows);
    if (!out) fail("cannot write " + it->second);
  }
  std::cout << (a.has("--json") ? sheetJson(rows) : a.has("--csv") ? sheetCsv(rows) : sheetTable(rows));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << usage();
    return 2;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << usage();
    return 0;
  }
  if (command == "exact") return exactCommand(argc, argv);
  if (command == "simulate") return simulateCommand(argc, argv);
  if (command == "sheet") return sheetCommand(argc, argv);
  fail("unknown command '" + command + "'");
}
