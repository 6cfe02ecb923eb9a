#include "records/play_statistics.h"

#include <cmath>
#include <cstdio>

#include "engine/rules/money.h"

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

const ExpectedReturn* PlayStatisticsBuilder::expectationOf(const RecordMoney& r) {
  const int setting = r.machinepay > 0 ? r.machinepay : machinepay_;
  if (setting != cachedSetting_ || r.lines != cachedLines_ || r.betPerLine != cachedBet_) {
    cachedSetting_ = setting;
    cachedLines_ = r.lines;
    cachedBet_ = r.betPerLine;
    cached_ = table_.at(setting, r.lines, r.betPerLine);
  }
  return cached_ ? &*cached_ : nullptr;
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
      const std::uint64_t win = r.win > 0 ? static_cast<std::uint64_t>(r.win) : 0;
      const std::uint64_t bet = r.bet > 0 ? static_cast<std::uint64_t>(r.bet) : 0;
      if (bet > 0) ++bandsSeen_[betMultipleBand(win, bet)];
      hits_ += win > 0;
      if (r.machinepay >= 0 && r.machinepay < static_cast<int>(gamesAtSetting_.size()))
        ++gamesAtSetting_[static_cast<std::size_t>(r.machinepay)];
      if (const ExpectedReturn* e = expectationOf(r); e && bet > 0) {
        const double stake = static_cast<double>(bet);
        staked_ += stake;
        expectedWon_ += e->withoutJackpots() * stake;
        expectedJackpots_ += e->jackpot * stake;
        variance_ += e->spread * stake * e->spread * stake;
        for (std::size_t b = 0; b < bandsExpected_.size(); ++b) bandsExpected_[b] += e->bands[b];
        const double hit = 1 - e->bands[0];
        hitsExpected_ += hit;
        hitsVariance_ += hit * (1 - hit);
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
  history.forEachMoney(slot, [&](const RecordMoney& r) { builder.add(r); });
  return builder.result();
}

}  // namespace quov
