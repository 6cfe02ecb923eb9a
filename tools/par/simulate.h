// Whole presses played by the game's rules, many millions of them: the
// return split by where it comes from, with its standard errors. The work
// is cut into fixed chunks of presses, each with its own seeded generator,
// and the chunks' tallies are added in their order, so a run's figures
// depend on its seed alone, not on the number of threads.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "rules/free_spins.h"
#include "rules/press.h"

namespace quov::par {

// Where the return comes from. JackpotAtFloor is what the jackpots would
// have paid with the meters at their floors; Jackpot is what they paid.
enum Part : int {
  Base,             // the ordinary spins that stood, free-spin triggers included
  Free,             // the free spins of the series
  BetMultiples,     // jackpot prizes the game books as 10, 20 or 30 times the total bet
  Minor,            // ... as the minor, major and grand meters: a prize is
  Major,            // booked by its value, so a bet multiple equal to a
  Grand,            // meter counts as that meter
  Jackpot,          // all jackpot prizes
  JackpotAtFloor,   // the same with the meters at their floors
  WithoutJackpots,  // base and free: what the players' "Returned To Player" statistic measures
  Total,
  kParts
};
const char* partName(Part p);

inline constexpr std::uint64_t kChunkPresses = 1 << 16;

// Sums over presses. A press stakes the total bet, or nothing when it
// starts jackpot time; jackpot prizes come only from presses that stake
// nothing, the other parts only from presses that stake the total bet.
struct Tally {
  std::uint64_t presses = 0, jackpotTimes = 0, hits = 0;
  std::uint64_t series = 0, awards = 0, freeSpins = 0, voids = 0;
  std::array<std::int64_t, kParts> sum{};
  std::array<double, kParts> squares{};
  std::array<std::uint64_t, kFreeSpinMultipliers.size()> byMultiplier{};
  void add(const Tally& t);
  // Counts every part but the total.
  void count(const PressResult& r, int totalBet);
  // The total from its parts: a press returns a jackpot or its spins, never
  // both.
  void addTotal();
  std::uint64_t stakedPresses() const { return presses - jackpotTimes; }
};

struct PartFigure {
  double rtp = 0, stdError = 0;
  double low95 = 0, high95 = 0, low99 = 0, high99 = 0;
};

struct SimulationOptions {
  PressSetting setting;
  std::uint64_t presses = 0;
  std::uint64_t seed = 1;
  int threads = 0;  // 0: one per core
  // Called now and then while the run goes on, with the presses done.
  std::function<void(std::uint64_t done, double seconds)> progress;
};

struct SimulationResult {
  SimulationOptions options;
  int threads = 0;
  Tally tally;
  std::array<PartFigure, kParts> parts{};
  double hitFrequency = 0;    // presses that return anything
  double volatility = 0;      // standard deviation of a press's return, in total bets
  double seriesFrequency = 0; // series started per press
  double meanSeriesLength = 0, meanSeriesWin = 0;  // free spins, and their win in total bets
  std::array<double, kFreeSpinMultipliers.size()> multiplierShare{};  // of the free spins
  double seconds = 0, pressesPerSecond = 0;
  // Processor time of the whole run, all threads; the rate per processor
  // second does not depend on what else the machine is doing.
  double cpuSeconds = 0, pressesPerCpuSecond = 0;
};

// The figures of a tally (the run's timing aside).
void figure(SimulationResult& r);

SimulationResult simulate(const SimulationOptions& options);

// The tally of one chunk of a run.
Tally playChunk(const PressSetting& setting, std::uint64_t seed, std::uint64_t chunk,
                std::uint64_t presses);

}  // namespace quov::par
