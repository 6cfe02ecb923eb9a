#include "records/game_recorder.h"

#include <algorithm>

#include "engine/engine.h"
#include "engine/jackpot.h"
#include "mainscreen/quov.h"
#include "rules/jackpot.h"
#include "rules/paytable.h"

namespace quov {

namespace {

std::int8_t slotNumber(const std::string& playerslot) {
  return playerslot.size() == 1 && playerslot[0] >= '1' && playerslot[0] <= '6'
             ? static_cast<std::int8_t>(playerslot[0] - '0')
             : 0;
}

}  // namespace

GameRecorder::GameRecorder(Engine& engine, GameHistory& history, HistoryMeters& meters)
    : engine_(engine), q(engine.q), history_(history), meters_(meters), credit_(engine.q.m.bank) {}

GameRecord GameRecorder::base(RecordKind kind) const {
  GameRecord r;
  r.kind = kind;
  r.slot = slotNumber(q.m.playerslot);
  r.lines = q.linesplayed;
  r.betPerLine = q.betperline;
  r.machinepay = static_cast<std::int8_t>(q.m.machinepay);
  r.creditBefore = credit_;
  return r;
}

std::int64_t GameRecorder::append(GameRecord& r) {
  r.creditAfter = q.m.bank;
  credit_ = q.m.bank;
  const std::int64_t id = history_.append(r);
  if (id == 0)
    ++failed_;
  else
    meters_.kept(r);
  return id;
}

void GameRecorder::idle() {
  if (!gameInProgress()) credit_ = q.m.bank;
}

void GameRecorder::outcomeDrawn() {
  // Voided outcomes give the bet back, so the credit before the first of a
  // chain is the credit before the one that stands.
  if (!spinOpen_) {
    spinOpen_ = true;
    voids_ = 0;
    spinCreditBefore_ = q.m.bank;
  }
  spinFree_ = q.freespinmode == -1;
  held_ = static_cast<std::uint8_t>((q.holds.held[2] ? 2 : 0) | (q.holds.held[3] ? 4 : 0) |
                                    (q.holds.held[4] ? 8 : 0));
}

void GameRecorder::outcomeVoided() { ++voids_; }

void GameRecorder::outcomeBooked(const SpinOutcome& o) {
  if (!spinOpen_) return;
  spinOpen_ = false;
  GameRecord r = base(spinFree_ ? RecordKind::FreeSpin : RecordKind::Spin);
  r.creditBefore = spinCreditBefore_;
  r.bet = spinFree_ ? 0 : q.totalBet();
  for (int reel = 1; reel <= kReels; ++reel)
    r.stops[static_cast<std::size_t>(reel - 1)] =
        static_cast<std::int8_t>(o.stops[static_cast<std::size_t>(reel)]);
  r.held = held_;
  r.voids = voids_;
  const int played = std::min<int>(q.linesplayed, kLines);
  for (int line = 1; line <= played; ++line) {
    if (o.winline[static_cast<std::size_t>(line)] == 0) continue;
    const int lead = o.readout.match.lead(line);
    const int length = o.winlength[static_cast<std::size_t>(line)];
    r.lineWins.push_back({static_cast<std::int8_t>(line), static_cast<std::int8_t>(lead),
                          static_cast<std::int8_t>(length),
                          linePay(static_cast<Symbol>(lead), length) * q.betperline});
  }
  r.scatters = static_cast<std::int8_t>(o.readout.scattercount);
  r.scatterPay = scatterMultiple(o.readout.scattercount) * q.totalBet();
  r.multiplier = spinFree_ ? q.freespinmult : 1;
  r.win = o.win;
  if (o.readout.scattercount > 2) r.award = q.bonuslevel;
  if (spinFree_) {
    r.series = series_;
    r.seriesSpin = q.freespinsplayed;
  }
  // A win outside a series is in the credit now; a spin that starts a
  // series adds its win to the series total instead.
  const bool startsSeries = !spinFree_ && r.award > 0;
  r.paid = spinFree_ || startsSeries ? 0 : o.win;
  const std::int64_t id = append(r);
  if (startsSeries) series_ = id;
  if (!spinFree_ && !startsSeries) lastWin_ = id;
}

void GameRecorder::seriesCollected() {
  GameRecord r = base(RecordKind::Collect);
  r.series = series_;
  r.win = r.paid = q.freespinwin;
  lastWin_ = append(r);
  series_ = 0;
}

void GameRecorder::jackpotStarted() {
  jackpotOpen_ = true;
  credit_ = q.m.bank;  // the press that drew jackpot time took no bet
  ballStart_ = static_cast<std::int8_t>(engine_.jackpot().state().ballcell);
}

void GameRecorder::jackpotPaid() {
  jackpotOpen_ = false;
  const JackpotState& s = engine_.jackpot().state();
  GameRecord r = base(RecordKind::JackpotTime);
  r.ballStart = ballStart_;
  r.ballCell = static_cast<std::int8_t>(s.balltarget);
  r.prize = boardCell(s.balltarget).prize;
  r.win = r.paid = q.m.jackpotprize;
  append(r);
}

void GameRecorder::gambleOpening(std::int32_t stake) {
  gambleOpen_ = true;
  gamble_ = base(RecordKind::Gamble);
  gamble_.creditBefore = q.m.bank;
  gamble_.gambled = lastWin_;
  gamble_.stake = stake;
}

void GameRecorder::gambleBet(const GambleBetResult& bet) {
  if (!gambleOpen_) return;
  gamble_.steps.push_back({betOf(bet.guess), static_cast<std::int8_t>(bet.suit), bet.won,
                           bet.atrisk});
  if (bet.won) return;
  // The stake is lost: the gamble is over.
  gambleOpen_ = false;
  gamble_.win = gamble_.paid = 0;
  append(gamble_);
}

void GameRecorder::gambleCollected(std::int32_t collected) {
  if (!gambleOpen_) return;
  gambleOpen_ = false;
  gamble_.win = gamble_.paid = collected;
  append(gamble_);
}

void GameRecorder::creditInserted(std::int32_t cents) {
  GameRecord r = base(RecordKind::CreditIn);
  r.moneyIn = cents;
  append(r);
}

}  // namespace quov
