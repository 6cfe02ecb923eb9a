#include "tools/par/simulate.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>
#include <vector>

#include "rules/chunk_random.h"

namespace quov::par {

const char* partName(Part p) {
  constexpr const char* kNames[kParts] = {"base",    "free",  "bet_multiples",    "minor",
                                          "major",   "grand", "jackpot",          "jackpot_at_floor",
                                          "without_jackpots", "total"};
  return kNames[p];
}

void Tally::add(const Tally& t) {
  presses += t.presses;
  jackpotTimes += t.jackpotTimes;
  hits += t.hits;
  series += t.series;
  awards += t.awards;
  freeSpins += t.freeSpins;
  voids += t.voids;
  for (int p = 0; p < kParts; ++p) {
    sum[p] += t.sum[p];
    squares[p] += t.squares[p];
  }
  for (std::size_t i = 0; i < byMultiplier.size(); ++i) byMultiplier[i] += t.byMultiplier[i];
}

void Tally::count(const PressResult& r, int totalBet) {
  ++presses;
  auto note = [this](Part p, std::int64_t x) {
    const auto v = static_cast<double>(x);
    sum[p] += x;
    squares[p] += v * v;
  };
  if (r.jackpotTime) {
    ++jackpotTimes;
    ++hits;
    const std::int64_t prize = r.jackpot.prize;
    note(r.jackpot.booked == JackpotPrize::Minor   ? Minor
         : r.jackpot.booked == JackpotPrize::Major ? Major
         : r.jackpot.booked == JackpotPrize::Grand ? Grand
                                                   : BetMultiples,
         prize);
    note(Jackpot, prize);
    note(JackpotAtFloor, prizeValue(r.jackpot.cell, prizeValuesFor(Meters{}, totalBet)));
    return;
  }
  voids += static_cast<std::uint64_t>(r.voids);
  const std::int64_t won = r.base + r.free;
  hits += won > 0;
  // Without a series, the press won its ordinary spin's win alone.
  const auto base = static_cast<double>(r.base);
  sum[Base] += r.base;
  squares[Base] += base * base;
  if (r.awards == 0) {
    sum[WithoutJackpots] += r.base;
    squares[WithoutJackpots] += base * base;
    return;
  }
  note(WithoutJackpots, won);
  note(Free, r.free);
  ++series;
  awards += static_cast<std::uint64_t>(r.awards);
  freeSpins += static_cast<std::uint64_t>(r.freeSpins);
  for (std::size_t i = 0; i < byMultiplier.size(); ++i)
    byMultiplier[i] += static_cast<std::uint64_t>(r.byMultiplier[i]);
}

void Tally::addTotal() {
  sum[Total] = sum[WithoutJackpots] + sum[Jackpot];
  squares[Total] = squares[WithoutJackpots] + squares[Jackpot];
}

[[gnu::flatten]] Tally playChunk(const PressSetting& setting, std::uint64_t seed, std::uint64_t chunk,
                std::uint64_t presses) {
  ChunkRandom random(seed, chunk);
  PlayState state;  // every chunk starts from a fresh machine, meters at their floors
  Tally t;
  const int bet = setting.totalBet();
  for (std::uint64_t i = 0; i < presses; ++i) t.count(playPress(setting, state, random), bet);
  return t;
}

void figure(SimulationResult& r) {
  r.tally.addTotal();
  const Tally& t = r.tally;
  const double n = static_cast<double>(t.presses);
  const double bet = r.options.setting.totalBet();
  const double staked = bet * static_cast<double>(t.stakedPresses());
  for (int p = 0; p < kParts; ++p) {
    PartFigure& f = r.parts[p];
    if (staked <= 0) continue;
    // The return is a ratio of two sums; its standard error by the delta
    // method is the spread of x - rtp x stake over the presses. The jackpot
    // parts come from presses that stake nothing.
    const bool jackpotOnly = p >= BetMultiples && p <= JackpotAtFloor;
    const double stakedSum = jackpotOnly ? 0.0
                             : p == Total ? static_cast<double>(t.sum[WithoutJackpots])
                                          : static_cast<double>(t.sum[p]);
    f.rtp = static_cast<double>(t.sum[p]) / staked;
    const double spread = t.squares[p] - 2 * f.rtp * bet * stakedSum + f.rtp * f.rtp * bet * staked;
    f.stdError = std::sqrt(std::max(0.0, spread)) / staked;
    f.low95 = f.rtp - 1.959963985 * f.stdError;
    f.high95 = f.rtp + 1.959963985 * f.stdError;
    f.low99 = f.rtp - 2.575829304 * f.stdError;
    f.high99 = f.rtp + 2.575829304 * f.stdError;
  }
  if (t.presses == 0) return;
  r.hitFrequency = static_cast<double>(t.hits) / n;
  const double mean = static_cast<double>(t.sum[Total]) / n;
  r.volatility = std::sqrt(std::max(0.0, t.squares[Total] / n - mean * mean)) / bet;
  r.seriesFrequency = static_cast<double>(t.series) / n;
  if (t.series > 0) {
    r.meanSeriesLength = static_cast<double>(t.freeSpins) / static_cast<double>(t.series);
    r.meanSeriesWin = static_cast<double>(t.sum[Free]) / static_cast<double>(t.series) / bet;
  }
  for (std::size_t i = 0; i < r.multiplierShare.size(); ++i)
    if (t.freeSpins > 0)
      r.multiplierShare[i] = static_cast<double>(t.byMultiplier[i]) / static_cast<double>(t.freeSpins);
}

SimulationResult simulate(const SimulationOptions& options) {
  SimulationResult result;
  result.options = options;
  const std::uint64_t chunks = (options.presses + kChunkPresses - 1) / kChunkPresses;
  int threads = options.threads > 0 ? options.threads
                                    : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(threads),
                                                     std::max<std::uint64_t>(chunks, 1)));
  result.threads = threads;

  std::vector<Tally> tallies(chunks);
  std::atomic<std::uint64_t> next{0}, done{0};
  auto work = [&] {
    for (std::uint64_t c; (c = next.fetch_add(1)) < chunks;) {
      const std::uint64_t presses = std::min(kChunkPresses, options.presses - c * kChunkPresses);
      tallies[c] = playChunk(options.setting, options.seed, c, presses);
      done.fetch_add(presses);
    }
  };
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();  // the process's processor time, every thread
  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  std::vector<std::thread> pool;
  for (int i = 1; i < threads; ++i) pool.emplace_back(work);
  if (options.progress) {
    // This thread reports while the others play; it joins them at the end.
    pool.emplace_back(work);
    while (done.load() < options.presses) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      options.progress(done.load(), elapsed());
    }
  } else {
    work();
  }
  for (std::thread& t : pool) t.join();
  result.seconds = elapsed();
  result.cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

  for (const Tally& t : tallies) result.tally.add(t);
  figure(result);
  const auto presses = static_cast<double>(options.presses);
  result.pressesPerSecond = result.seconds > 0 ? presses / result.seconds : 0;
  result.pressesPerCpuSecond = result.cpuSeconds > 0 ? presses / result.cpuSeconds : 0;
  return result;
}

}  // namespace quov::par
