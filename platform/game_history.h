// The game history: every settled game the machine plays, one record each,
// kept by the platform behind a small interface so that the game never sees
// how it is stored. The desktop keeps it in a database in the user's data
// folder; the headless platform keeps it in memory.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "platform/save_health.h"
#include "rules/gamble.h"
#include "rules/jackpot.h"

namespace quov {

// What a record is. A game is an ordinary spin (with the free spins of the
// series it started and their collect) or a jackpot time; a gamble is its
// own record, pointing at the one whose win it staked.
enum class RecordKind : std::uint8_t {
  Spin = 0,         // an ordinary spin: the bet taken, the outcome that stood
  FreeSpin = 1,     // a free spin of a series
  Collect = 2,      // a series' total paid to the credit
  JackpotTime = 3,  // the ball's run on the jackpot board and its prize
  Gamble = 4,       // a gamble from its stake to its collect or loss
  CreditIn = 5,     // money put in
};
inline constexpr int kRecordKinds = 6;

// Whether a record begins a game of its own.
constexpr bool startsGame(RecordKind k) {
  return k == RecordKind::Spin || k == RecordKind::JackpotTime;
}

// A paying line: its number, the symbol that paid (0..9, the reels' line
// symbols in their fixed order), the run's length and what it paid in cents.
struct LineWin {
  std::int8_t line = 0;
  std::int8_t symbol = 0;
  std::int8_t length = 0;
  std::int32_t pay = 0;
  friend bool operator==(const LineWin&, const LineWin&) = default;
};

// A gamble bet as the history keeps it: a colour or one suit.
enum class GambleBet : std::uint8_t { Red = 0, Black = 1, Hearts = 2, Clubs = 3, Diamonds = 4, Spades = 5 };
// The player's guess a kept bet stands for, and the bet a guess is kept as.
inline constexpr GambleGuess guessOf(GambleBet bet) {
  switch (bet) {
    case GambleBet::Red: return {false, CardColour::Red, 0};
    case GambleBet::Black: return {false, CardColour::Black, 0};
    default: return {true, CardColour::Red, static_cast<int>(bet) - static_cast<int>(GambleBet::Hearts) + 1};
  }
}
inline constexpr GambleBet betOf(const GambleGuess& guess) {
  if (guess.onSuit)
    return static_cast<GambleBet>(static_cast<int>(GambleBet::Hearts) + guess.suit - 1);
  return guess.colour == CardColour::Red ? GambleBet::Red : GambleBet::Black;
}
// One bet of a gamble: the card's suit and the amount at risk after the card
// (0 when it lost).
struct GambleStep {
  GambleBet bet = GambleBet::Red;
  std::int8_t card = 0;  // suit 1 hearts, 2 clubs, 3 diamonds, 4 spades
  bool won = false;
  std::int32_t atRisk = 0;
  friend bool operator==(const GambleStep&, const GambleStep&) = default;
};

struct GameRecord {
  std::int64_t id = 0;      // given by the history, ascending from 1
  std::int64_t timeMs = 0;  // given by the history: milliseconds since 1970
  RecordKind kind = RecordKind::Spin;
  std::int8_t slot = 1;     // the player slot 1..6
  // The bet: lines played, cents per line and the total taken from the
  // credit (0 for anything but an ordinary spin).
  std::int16_t lines = 0, betPerLine = 0;
  std::int32_t bet = 0;
  // The payout setting the record was played at (`machinepay`: 1, 3 or 4);
  // 0 when it is not known, for records kept before the history took it.
  std::int8_t machinepay = 0;
  // The outcome that stood.
  std::array<std::int8_t, 5> stops{};  // reels 1..5, 1..22
  std::uint8_t held = 0;    // bit r-1 set: reel r kept its stop for a free-spin wild
  std::int16_t voids = 0;   // outcomes the payout throttle replaced before this one stood
  std::vector<LineWin> lineWins;
  std::int8_t scatters = 0;
  std::int32_t scatterPay = 0;
  std::int16_t multiplier = 1;  // free spins: the multiplier applied to the win
  std::int32_t win = 0;         // the outcome's whole win, multiplied
  // Free spins.
  std::int16_t award = 0;       // free spins this outcome awarded: 10, 15, 20 or 0
  std::int64_t series = 0;      // id of the spin that started the series, 0 outside one
  std::int16_t seriesSpin = 0;  // 0 the starting spin, then 1, 2 ... the free spins
  // Jackpot time: the cell the ball started after, the cell it stopped on
  // and the prize that cell paid.
  std::int8_t ballStart = 0, ballCell = 0;
  JackpotPrize prize = JackpotPrize::None;
  // Gamble: the record whose win was staked, the stake and each bet.
  std::int64_t gambled = 0;
  std::int32_t stake = 0;
  std::vector<GambleStep> steps;
  // Money: put in, paid to the credit by this record, and the credit around it.
  std::int32_t moneyIn = 0;
  std::int32_t paid = 0;
  std::int32_t creditBefore = 0, creditAfter = 0;

  friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// The part of a record the meters and the statistics follow: what it did
// with money, its bet and the setting it was played at, without the stops,
// the paying lines or the gamble's bets. Small enough to read a long
// history quickly.
struct RecordMoney {
  std::int64_t id = 0;
  RecordKind kind = RecordKind::Spin;
  std::int8_t slot = 1;
  std::int8_t machinepay = 0;
  std::int16_t lines = 0, betPerLine = 0;
  std::int32_t bet = 0, win = 0, paid = 0, moneyIn = 0, stake = 0;
  std::int32_t creditBefore = 0, creditAfter = 0;
  friend bool operator==(const RecordMoney&, const RecordMoney&) = default;
};

inline RecordMoney moneyOf(const GameRecord& r) {
  return {r.id,  r.kind, r.slot,    r.machinepay, r.lines,   r.betPerLine,     r.bet,
          r.win, r.paid, r.moneyIn, r.stake,      r.creditBefore, r.creditAfter};
}

// What a run of one player slot's records did, in one block of consecutive
// ids: enough to draw the statistics of a long history without reading
// each record again. The game works out how a record adds to it; the
// history keeps it beside the records and hands it back.
struct BlockBet {  // the block's ordinary spins at one payout setting, lines and bet
  std::int8_t machinepay = 0;
  std::int16_t lines = 0, betPerLine = 0;
  std::int64_t spins = 0;         // every ordinary spin
  std::int64_t staked = 0;        // those that took a bet
  std::int64_t stakes = 0;        // their bets added up, in cents
  std::int64_t stakeSquares = 0;  // the squares of their bets added up
  friend bool operator==(const BlockBet&, const BlockBet&) = default;
};
struct BlockMark {  // the block's insertions, jackpot prizes or free-spin series
  std::int64_t count = 0;
  // The first of them: its number among the block's records of the slot
  // (1 the first), the credit after it and its amount.
  std::int64_t at = 0, credit = 0, amount = 0;
  friend bool operator==(const BlockMark&, const BlockMark&) = default;
};
struct HistoryBlock {
  std::int8_t slot = 1;
  std::int64_t block = 0;  // ids block * size + 1 up to (block + 1) * size
  std::int64_t firstId = 0, lastId = 0;
  std::int64_t records = 0;
  // The integrity meters of the block's records.
  std::int64_t moneyIn = 0, moneyPlayed = 0, moneyWon = 0, jackpotsPaid = 0, games = 0;
  std::int64_t hits = 0;              // ordinary spins that won
  std::vector<std::int64_t> bands;    // ordinary spins by win band
  // The credit before the first record and after the last, its lowest and
  // highest after a record and where (numbered as the marks are).
  std::int64_t creditFirst = 0, creditLast = 0;
  std::int64_t creditLow = 0, lowAt = 0, creditHigh = 0, highAt = 0;
  std::array<BlockMark, 3> marks{};   // insertions, jackpot prizes, free-spin series
  std::vector<BlockBet> bets;
  friend bool operator==(const HistoryBlock&, const HistoryBlock&) = default;
};

class GameHistory {
 public:
  virtual ~GameHistory() = default;
  // Appends one record durably (a killed process keeps it); gives it its id
  // and time. Returns the id, 0 when the record could not be kept. A
  // history that cannot be written just now may keep the record waiting and
  // write it later, off the game's thread; the id it returns then stands.
  virtual std::int64_t append(GameRecord& record) = 0;
  // The records from the `games`-th last spin or jackpot time on, oldest
  // first (every record when there are fewer games).
  virtual std::vector<GameRecord> lastGames(int games) = 0;
  // Every record, oldest first.
  virtual void forEach(const std::function<void(const GameRecord&)>& visit) = 0;
  // The money of every record of player slot `slot` (every slot for 0),
  // oldest first.
  virtual void forEachMoney(int slot, const std::function<void(const RecordMoney&)>& visit) {
    forEach([&](const GameRecord& r) {
      if (slot == 0 || r.slot == slot) visit(moneyOf(r));
    });
  }
  // The money of player slot `slot`'s records (1..6), oldest first, where
  // the history keeps summaries of its older blocks as those summaries
  // (every one before the first record visited). Without summaries, every
  // record one by one.
  virtual void forEachSummarized(int slot, const std::function<void(const HistoryBlock&)>& /*block*/,
                                 const std::function<void(const RecordMoney&)>& record) {
    forEachMoney(slot, record);
  }
  virtual std::int64_t count() = 0;
  // How writing goes; cheap enough for every tick.
  virtual SaveHealth health() const { return {}; }
  // Whether writing fails just now, without copying the whole health.
  virtual bool failingNow() const { return health().failing; }
  // Records of each player slot 1..6 (index 0 unused) the history could not
  // keep, since it was opened; cheap enough for every tick.
  using MissedCounts = std::array<std::int64_t, 7>;
  virtual MissedCounts missedBySlot() const { return {}; }
  // All slots' missed records together. The counts only grow, so this moves
  // exactly when one of them does: the records keeper asks it every tick
  // and reads the slots only then.
  virtual std::int64_t missedTotal() const {
    const MissedCounts m = missedBySlot();
    return std::accumulate(m.begin(), m.end(), std::int64_t{0});
  }
  std::int64_t missed(int slot) const {
    return slot >= 1 && slot <= 6 ? missedBySlot()[static_cast<std::size_t>(slot)] : 0;
  }
};

}  // namespace quov
