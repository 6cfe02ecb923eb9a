#include "rules/expected_return.h"

#include <algorithm>
#include <cmath>

#include "rules/base_game.h"
#include "rules/chunk_random.h"
#include "rules/jackpot.h"
#include "rules/press.h"
#include "rules/throttle.h"

namespace quov {

namespace {

// Plays presses without jackpot time, one machine on, and keeps the wins of
// the series they start.
class SeriesPlayer {
 public:
  SeriesPlayer(int machinepay, int lines, std::uint64_t seed)
      : setting_{machinepay, lines, 1, false}, draw_(seed, 0) {}

  void play(std::uint64_t series) {
    for (std::uint64_t started = 0; started < series;) {
      PressResult out;
      WinLengths lengths;  // cleared by the press
      const DrawnSpin spin = playOrdinarySpin(setting_, state_, lengths, out, draw_);
      Series awarded;
      if (!awardFreeSpins(awarded, spin.scatters)) continue;
      playSeries(setting_, state_, lengths, awarded, spin.scatters, out, draw_);
      ++started;
      const auto win = static_cast<double>(out.free);
      sum_ += win;
      squares_ += win * win;
      cross_ += win * static_cast<double>(out.base);
    }
    series_ += series;
  }

  SeriesEstimate estimate() const {
    SeriesEstimate e;
    e.series = series_;
    if (series_ == 0) return e;
    const auto n = static_cast<double>(series_);
    e.meanWin = sum_ / n;
    e.meanSquare = squares_ / n;
    e.meanCross = cross_ / n;
    const double variance = series_ > 1 ? (squares_ - n * e.meanWin * e.meanWin) / (n - 1) : 0;
    e.stdError = std::sqrt(std::max(0.0, variance) / n);
    return e;
  }

 private:
  PressSetting setting_;
  ChunkRandom draw_;
  PlayState state_;
  std::uint64_t series_ = 0;
  double sum_ = 0, squares_ = 0, cross_ = 0;
};

constexpr std::uint64_t kBatch = 1000;

int payoutIndex(int machinepay) {
  for (int i = 0; i < 3; ++i)
    if (kPayoutSettings[i] == machinepay) return i;
  return -1;
}

int linesIndex(int lines) {
  for (std::size_t i = 0; i < kLineChoices.size(); ++i)
    if (kLineChoices[i] == lines) return static_cast<int>(i);
  return -1;
}

}  // namespace

SeriesEstimate estimateSeriesWin(int machinepay, int lines, std::uint64_t series,
                                 std::uint64_t seed) {
  SeriesPlayer player(machinepay, lines, seed);
  player.play(series);
  return player.estimate();
}

ReturnTable::ReturnTable() {
  const auto counts = enumerateBaseGame();
  for (std::size_t p = 0; p < byPayout_.size(); ++p)
    for (std::size_t l = 0; l < kLineChoices.size(); ++l) {
      Entry& e = byPayout_[p][l];
      e.machinepay = kPayoutSettings[p];
      e.lines = counts[l].lines;
      const BaseReturn base = baseReturn(counts[l], e.machinepay);
      e.base = base.total;
      e.baseSpread = baseSpread(counts[l], e.machinepay);
      e.bands = betMultipleChances(counts[l], e.machinepay);
      // A series per press: the chance that the spin that stands awards one.
      e.seriesPerBet = base.triggerProbability / e.lines;
      e.seriesChance = base.triggerProbability;
    }
}

ReturnTable::ReturnTable(const Figures& workedOut) {
  for (const SettingReturn& known : workedOut) {
    const int p = payoutIndex(known.machinepay), l = linesIndex(known.lines);
    if (p < 0 || l < 0) continue;
    Entry& e = byPayout_[static_cast<std::size_t>(p)][static_cast<std::size_t>(l)];
    e.machinepay = known.machinepay;
    e.lines = known.lines;
    e.base = known.figures.base;
    e.bands = known.figures.bands;
    e.free = known.figures.free;
    e.freeError = known.figures.freeError;
    e.spread = known.figures.spread;
    // Already estimated: the figures stand as they were worked out.
    std::call_once(e.estimated, [] {});
  }
}

const ReturnTable::Entry& ReturnTable::estimated(const Entry& e) const {
  std::call_once(e.estimated, [&e] {
    SeriesPlayer player(e.machinepay, e.lines,
                        kSeed + static_cast<std::uint64_t>(e.machinepay * 100 + e.lines));
    player.play(kFewestSeries);
    while (e.seriesPerBet * player.estimate().stdError > kFreeErrorGoal &&
           player.estimate().series < kMostSeries)
      player.play(kBatch);
    const SeriesEstimate s = player.estimate();
    e.free = e.seriesPerBet * s.meanWin;
    e.freeError = e.seriesPerBet * s.stdError;
    // A press returns its spin's win B and its series' win F, in total
    // bets: Var(B + F) = Var(B) + E[F²] + 2 E[BF] - F̄² - 2 B̄ F̄, where a
    // series comes with a spin that stands one time in 1 / seriesChance.
    const double bets2 = static_cast<double>(e.lines) * e.lines;
    const double squareF = e.seriesChance * s.meanSquare / bets2;
    const double crossBF = e.seriesChance * s.meanCross / bets2;
    const double variance = e.baseSpread * e.baseSpread + squareF + 2 * crossBF -
                            e.free * e.free - 2 * e.base * e.free;
    e.spread = std::sqrt(std::max(0.0, variance));
  });
  return e;
}

std::optional<ExpectedReturn> ReturnTable::at(int machinepay, int lines, int betperline) const {
  const int p = payoutIndex(machinepay), l = linesIndex(lines);
  if (p < 0 || l < 0 || betperline < 1) return std::nullopt;
  const Entry& e = estimated(byPayout_[static_cast<std::size_t>(p)][static_cast<std::size_t>(l)]);
  ExpectedReturn r;
  r.base = e.base;
  r.free = e.free;
  r.freeError = e.freeError;
  r.jackpot = jackpotReturnAtFloor(lines * betperline);
  r.spread = e.spread;
  r.bands = e.bands;
  return r;
}

ReturnTable::Figures ReturnTable::all() const {
  Figures figures;
  std::size_t i = 0;
  for (const auto& row : byPayout_)
    for (const Entry& e : row) {
      SettingReturn& s = figures[i++];
      s.machinepay = e.machinepay;
      s.lines = e.lines;
      s.figures = *at(e.machinepay, e.lines, 1);
      s.figures.jackpot = 0;
    }
  return figures;
}

const ReturnTable& returnTable() {
  static const ReturnTable table;
  return table;
}

}  // namespace quov
