#include "records/history_ledger.h"

namespace quov {

namespace {

// The cards decide each bet and the amount at risk doubles or quadruples
// with each right guess; the gamble pays what is at risk after its last bet.
bool gamblePaysItsCards(const GameRecord& r) {
  long long atRisk = r.stake;
  for (const GambleStep& s : r.steps) {
    const GambleGuess guess = guessOf(s.bet);
    if (s.won != guessWins(guess, s.card)) return false;
    atRisk = s.won ? atRisk * guessPays(guess) : 0;
    if (s.atRisk != atRisk) return false;
  }
  return r.paid == atRisk;
}

bool winIsItsParts(const GameRecord& r) {
  long long lines = 0;
  for (const LineWin& w : r.lineWins) lines += w.pay;
  return r.win == (lines + r.scatterPay) * r.multiplier;
}

}  // namespace

bool balances(const GameRecord& r) {
  const long long change = static_cast<long long>(r.creditAfter) - r.creditBefore;
  return change == static_cast<long long>(r.moneyIn) - r.bet - r.stake + r.paid;
}

void IntegrityMeters::add(const RecordMoney& r) {
  moneyIn += r.moneyIn;
  switch (r.kind) {
    case RecordKind::Spin:
      moneyPlayed += r.bet;
      moneyWon += r.paid;
      ++games;
      break;
    case RecordKind::Collect: moneyWon += r.paid; break;
    case RecordKind::Gamble: moneyWon += static_cast<long long>(r.paid) - r.stake; break;
    case RecordKind::JackpotTime: jackpotsPaid += r.paid; break;
    case RecordKind::FreeSpin:
    case RecordKind::CreditIn: break;
  }
}

std::optional<double> IntegrityMeters::measuredReturn() const {
  if (moneyPlayed <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(moneyWon + jackpotsPaid) / static_cast<double>(moneyPlayed);
}

std::optional<double> IntegrityMeters::measuredReturnWithoutJackpots() const {
  if (moneyPlayed <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(moneyWon) / static_cast<double>(moneyPlayed);
}

void LedgerCheck::fault(std::int64_t& counter, const GameRecord& r) {
  ++counter;
  if (report_.firstFault == 0) report_.firstFault = r.id;
}

void LedgerCheck::add(const GameRecord& r) {
  ++report_.records;
  if (!balances(r)) fault(report_.unbalanced, r);
  if (lastCredit_ && *lastCredit_ != r.creditBefore) fault(report_.breaks, r);
  lastCredit_ = r.creditAfter;
  switch (r.kind) {
    case RecordKind::Spin:
    case RecordKind::FreeSpin:
      if (!winIsItsParts(r)) fault(report_.badWins, r);
      if (r.kind == RecordKind::Spin && r.award > 0) seriesWon_[r.id][0] = r.win;
      if (r.kind == RecordKind::FreeSpin) {
        auto& wins = seriesWon_[r.series];
        // Played again after a restart: the spins from this number on are
        // the ones the records had lost.
        wins.erase(wins.lower_bound(r.seriesSpin), wins.end());
        wins[r.seriesSpin] = r.win;
      }
      break;
    case RecordKind::Collect: {
      const auto it = seriesWon_.find(r.series);
      long long won = 0;
      if (it != seriesWon_.end())
        for (const auto& [spin, win] : it->second) won += win;
      if (it == seriesWon_.end() || won != r.paid) fault(report_.badSeries, r);
      break;
    }
    case RecordKind::Gamble:
      if (!gamblePaysItsCards(r)) fault(report_.badGambles, r);
      break;
    case RecordKind::JackpotTime:
    case RecordKind::CreditIn: break;
  }
}

}  // namespace quov
