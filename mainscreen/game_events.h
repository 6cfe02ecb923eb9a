// What the game reports as it plays, for whoever keeps account of it (the
// game history). The engine calls these at the points where money and
// outcomes are decided; the cabinet installs the observer. Every call has a
// do-nothing default, so a machine without an observer plays the same.
#pragma once

#include <cstdint>

#include "mainscreen/spin_outcome.h"
#include "rules/gamble.h"

namespace quov {

// One gamble bet as it resolved: the guess, the card's suit, and the amount
// at risk after it (0 when the bet lost the stake).
struct GambleBetResult {
  GambleGuess guess;
  int suit = 0;
  bool won = false;
  std::int32_t atrisk = 0;
};

class GameEvents {
 public:
  virtual ~GameEvents() = default;

  // An outcome has been drawn and evaluated and is about to be settled: the
  // credit, the stops and the held reels are as the player saw them before it.
  virtual void outcomeDrawn() {}
  // The payout throttle replaced the outcome just drawn by a fresh spin.
  virtual void outcomeVoided() {}
  // The outcome that stood is booked: its win is in the credit (normal play)
  // or in the series total (a free spin, or the spin that started a series).
  virtual void outcomeBooked(const SpinOutcome& /*outcome*/) {}
  // The collect paid a series' total into the credit.
  virtual void seriesCollected() {}
  // Jackpot time began (the ball stands on its start cell), and its prize
  // has been credited.
  virtual void jackpotStarted() {}
  virtual void jackpotPaid() {}
  // The gamble is about to take its stake from the credit; a bet resolved;
  // the amount at risk was collected into the credit.
  virtual void gambleOpening(std::int32_t /*stake*/) {}
  virtual void gambleBet(const GambleBetResult&) {}
  virtual void gambleCollected(std::int32_t /*collected*/) {}
  // Money was put in.
  virtual void creditInserted(std::int32_t) {}
  // The player was shown that the credit does not cover the bet.
  virtual void noMoney() {}
};

}  // namespace quov
