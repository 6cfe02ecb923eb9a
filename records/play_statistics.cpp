#include "records/play_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "records/history_blocks.h"
#include "rules/money.h"

namespace quov {

namespace {

// Chance alone carries a measurement this many standard deviations from
// the expected one about 95 times in 100: the edge of the band drawn.
constexpr double kBandDeviations = 2;
// Beyond this many it is very unusual.
constexpr double kVeryUnusual = 3;

std::string fixed(double x, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, x);
  return text;
}

std::string count(std::int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// How many players in one would be at least as far from the expected by
// chance, either way.
std::string oneIn(double z) {
  const double p = std::erfc(std::fabs(z) / std::sqrt(2.0));
  if (p <= 0) return "fewer than 1 player in a billion";
  const double n = 1 / p;
  if (n >= 1e9) return "fewer than 1 player in a billion";
  return "about 1 player in " + fixed(std::round(n), 0);
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

}  // namespace

std::string returnWords(double z) {
  if (std::fabs(z) < kBandDeviations) return "your return is within the range expected by chance";
  const bool low = z < 0;
  return std::string("your return is ") + (std::fabs(z) >= kVeryUnusual ? "very unusually " : "unusually ") +
         (low ? "low" : "high") + ": " + fixed(std::fabs(z), 1) + " standard deviations " +
         (low ? "below" : "above") + " the expected; " + oneIn(z) + " would be as far from it by chance";
}

std::string settingWords(const std::array<std::int64_t, 5>& gamesAtSetting, int machinepay) {
  std::vector<int> played;
  for (const int setting : {4, 3, 1})
    if (gamesAtSetting[static_cast<std::size_t>(setting)] > 0) played.push_back(setting);
  const std::int64_t unknown = gamesAtSetting[0];
  std::string words;
  if (played.size() > 1 || (!played.empty() && unknown > 0)) {
    words = played.size() == 1 ? "played at payout setting" : "played at payout settings";
    for (std::size_t i = 0; i < played.size(); ++i)
      words += std::string(i == 0 ? " " : i + 1 == played.size() ? " and " : ", ") +
               std::to_string(played[i]) + " (" +
               count(gamesAtSetting[static_cast<std::size_t>(played[i])], "game", "games") + ")";
  }
  if (unknown > 0)
    words += (words.empty() ? "" : "; ") + count(unknown, "game", "games") +
             " recorded before the history kept the payout setting " +
             (unknown == 1 ? "is" : "are") + " taken at the setting now, " +
             std::to_string(machinepay);
  return words;
}

std::string winsWords(std::int64_t observed, double expected, double z) {
  std::string words = "winning spins came up " + count(observed, "time", "times") + " against " +
                      fixed(expected, 0) + " expected: ";
  if (std::fabs(z) < kBandDeviations) return words + "within the range expected by chance";
  return words + (z < 0 ? "unusually few" : "unusually many") + ", " + fixed(std::fabs(z), 1) +
         " standard deviations " + (z < 0 ? "below" : "above") + "; " + oneIn(z) +
         " would see as many or as few by chance";
}

PlayStatisticsBuilder::PlayStatisticsBuilder(int slot, int machinepay, std::size_t mostPoints,
                                             const ReturnTable& table)
    : slot_(slot),
      machinepay_(machinepay),
      table_(table),
      returns_(mostPoints),
      credit_(mostPoints),
      marks_(mostPoints) {}

const ExpectedReturn* PlayStatisticsBuilder::expectationOf(int machinepay, int lines, int betPerLine) {
  const int setting = machinepay > 0 ? machinepay : machinepay_;
  if (setting != cachedSetting_ || lines != cachedLines_ || betPerLine != cachedBet_) {
    cachedSetting_ = setting;
    cachedLines_ = lines;
    cachedBet_ = betPerLine;
    cached_ = table_.at(setting, lines, betPerLine);
  }
  return cached_ ? &*cached_ : nullptr;
}

void PlayStatisticsBuilder::expect(const ExpectedReturn& e, double spins, double stakes,
                                   double stakeSquares) {
  staked_ += stakes;
  expectedWon_ += e.withoutJackpots() * stakes;
  expectedJackpots_ += e.jackpot * stakes;
  variance_ += e.spread * e.spread * stakeSquares;
  for (std::size_t b = 0; b < bandsExpected_.size(); ++b) bandsExpected_[b] += e.bands[b] * spins;
  const double hit = 1 - e.bands[0];
  hitsExpected_ += hit * spins;
  hitsVariance_ += hit * (1 - hit) * spins;
}

ReturnPoint PlayStatisticsBuilder::returnNow() const {
  ReturnPoint p;
  p.game = meters_.games;
  const auto played = static_cast<double>(meters_.moneyPlayed);
  p.measured = ratio(static_cast<double>(meters_.moneyWon), played);
  p.measuredWithJackpots = ratio(static_cast<double>(meters_.moneyWon + meters_.jackpotsPaid), played);
  p.expected = ratio(expectedWon_, staked_);
  p.expectedWithJackpots = ratio(expectedWon_ + expectedJackpots_, staked_);
  const double half = kBandDeviations * ratio(std::sqrt(variance_), staked_);
  p.bandLow = p.expected - half;
  p.bandHigh = p.expected + half;
  return p;
}

void PlayStatisticsBuilder::add(const RecordMoney& r) {
  if (r.slot != slot_) return;
  if (records_ == 0) credit_.add({0, r.creditBefore});  // where the slot's credit started
  ++records_;
  meters_.add(r);
  switch (r.kind) {
    case RecordKind::Spin: {
      hits_ += r.win > 0;
      if (r.machinepay >= 0 && r.machinepay < static_cast<int>(gamesAtSetting_.size()))
        ++gamesAtSetting_[static_cast<std::size_t>(r.machinepay)];
      if (const auto band = spinBand(r)) {
        ++bandsSeen_[*band];
        if (const ExpectedReturn* e = expectationOf(r.machinepay, r.lines, r.betPerLine)) {
          const auto stake = static_cast<double>(r.bet);
          expect(*e, 1, stake, stake * stake);
        }
      }
      returns_.add(returnNow());
      break;
    }
    case RecordKind::CreditIn:
      ++insertions_;
      marks_.add({records_, r.creditAfter, CreditMark::Insertion, r.moneyIn});
      break;
    case RecordKind::JackpotTime:
      ++jackpotPrizes_;
      marks_.add({records_, r.creditAfter, CreditMark::JackpotPrize, r.paid});
      break;
    case RecordKind::Collect:
      ++series_;
      marks_.add({records_, r.creditAfter, CreditMark::FreeSpins, r.paid});
      break;
    case RecordKind::FreeSpin:
    case RecordKind::Gamble: break;
  }
  lastCredit_ = r.creditAfter;
  credit_.add({records_, r.creditAfter});
}

void PlayStatisticsBuilder::add(const HistoryBlock& b) {
  if (b.slot != slot_ || b.records == 0) return;
  if (records_ == 0) credit_.add({0, b.creditFirst});
  const std::int64_t before = records_;
  records_ += b.records;
  meters_ += metersOf(b);
  hits_ += b.hits;
  for (std::size_t i = 0; i < bandsSeen_.size() && i < b.bands.size(); ++i) bandsSeen_[i] += b.bands[i];
  for (const BlockBet& bet : b.bets) {
    if (bet.machinepay >= 0 && bet.machinepay < static_cast<int>(gamesAtSetting_.size()))
      gamesAtSetting_[static_cast<std::size_t>(bet.machinepay)] += bet.spins;
    const ExpectedReturn* e = expectationOf(bet.machinepay, bet.lines, bet.betPerLine);
    if (e && bet.staked > 0)
      expect(*e, static_cast<double>(bet.staked), static_cast<double>(bet.stakes),
             static_cast<double>(bet.stakeSquares));
  }
  if (b.games > 0) returns_.add(returnNow());
  // The first mark of each kind, in their order in the block.
  constexpr std::array<CreditMark, 3> kinds = {CreditMark::Insertion, CreditMark::JackpotPrize,
                                               CreditMark::FreeSpins};
  std::array<std::size_t, 3> order = {0, 1, 2};
  std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) { return b.marks[x].at < b.marks[y].at; });
  for (const std::size_t k : order)
    if (b.marks[k].count > 0) marks_.add({before + b.marks[k].at, b.marks[k].credit, kinds[k], b.marks[k].amount});
  insertions_ += b.marks[0].count;
  jackpotPrizes_ += b.marks[1].count;
  series_ += b.marks[2].count;
  // The credit's lowest and highest in the block where they came, then its last.
  const CreditPoint low{before + b.lowAt, b.creditLow}, high{before + b.highAt, b.creditHigh};
  std::int64_t lastAdded = before;
  for (const CreditPoint& p : b.lowAt < b.highAt ? std::array{low, high} : std::array{high, low})
    if (p.record > lastAdded && p.record < records_) {
      credit_.add(p);
      lastAdded = p.record;
    }
  lastCredit_ = b.creditLast;
  credit_.add({records_, b.creditLast});
}

PlayStatistics PlayStatisticsBuilder::result() const {
  PlayStatistics s;
  s.slot = slot_;
  s.machinepay = machinepay_;
  s.meters = meters_;
  s.gamesAtSetting = gamesAtSetting_;
  s.settingWords = settingWords(gamesAtSetting_, machinepay_);
  s.returns = returns_.points();
  s.last = returnNow();
  s.spread = ratio(std::sqrt(variance_), staked_);
  if (meters_.games == 0) {
    s.returnVerdict.words = "no games played yet";
  } else {
    s.returnVerdict.z = s.spread > 0 ? (s.last.measured - s.last.expected) / s.spread : 0;
    s.returnVerdict.words = returnWords(s.returnVerdict.z);
  }
  s.credit = credit_.points();
  s.marks = marks_.points();
  s.insertions = insertions_;
  s.jackpotPrizes = jackpotPrizes_;
  s.freeSpinSeries = series_;
  s.creditWords = "credit " + moneyText(s.credit.empty() ? 0 : s.credit.front().credit) + " to " +
                  moneyText(lastCredit_) + " over " + count(meters_.games, "game", "games") + ": " +
                  count(insertions_, "insertion", "insertions") + ", " +
                  count(jackpotPrizes_, "jackpot prize", "jackpot prizes") + ", " +
                  count(series_, "free-spin series", "free-spin series");
  for (std::size_t b = 0; b < s.bands.size(); ++b)
    s.bands[b] = {kBetMultipleBands[b].label, bandsSeen_[b], bandsExpected_[b]};
  if (meters_.games == 0) {
    s.winsVerdict.words = "no games played yet";
  } else {
    s.winsVerdict.z = hitsVariance_ > 0 ? (static_cast<double>(hits_) - hitsExpected_) / std::sqrt(hitsVariance_) : 0;
    s.winsVerdict.words = winsWords(hits_, hitsExpected_, s.winsVerdict.z);
  }
  return s;
}

PlayStatistics playStatistics(GameHistory& history, int slot, int machinepay) {
  PlayStatisticsBuilder builder(slot, machinepay);
  history.forEachSummarized(
      slot, [&](const HistoryBlock& b) { builder.add(b); }, [&](const RecordMoney& r) { builder.add(r); });
  return builder.result();
}

}  // namespace quov
