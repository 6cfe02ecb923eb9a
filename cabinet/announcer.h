// What the cabinet says aloud to a player who cannot see it: each win, free
// spins awarded, a jackpot's prize, a gamble's card and a credit too low for
// the bet, in words, as it happens. It hears the game's reports on their way
// to the game history and passes each one on unchanged.
#pragma once

#include <cstdint>
#include <string>

#include "mainscreen/game_events.h"

namespace quov {

class Quov;

class Announcer : public GameEvents {
 public:
  Announcer(const Quov& q, GameEvents& next) : q(q), next(next) {}

  // The latest announcement, and how many have been made so far (a reader
  // of the cabinet speaks each new one).
  const std::string& latest() const { return latest_; }
  std::uint64_t count() const { return count_; }

  void outcomeDrawn() override;
  void outcomeVoided() override { next.outcomeVoided(); }
  void outcomeBooked(const SpinOutcome& outcome) override;
  void seriesCollected() override;
  void jackpotStarted() override;
  void jackpotPaid() override;
  void gambleOpening(std::int32_t stake) override { next.gambleOpening(stake); }
  void gambleBet(const GambleBetResult& result) override;
  void gambleCollected(std::int32_t collected) override;
  void creditInserted(std::int32_t cents) override { next.creditInserted(cents); }
  void noMoney() override;

 private:
  void say(std::string words);
  const Quov& q;
  GameEvents& next;
  std::string latest_;
  std::uint64_t count_ = 0;
  std::int16_t givenBefore_ = 0;   // free spins given when the outcome was drawn
  std::int32_t creditBefore_ = 0;  // the credit when jackpot time began
};

}  // namespace quov
