// The module variables of the game: what lives for the whole run and is
// loaded from and saved to the player's records.
#pragma once

#include <cstdint>
#include <string>

namespace quov {

struct Modquov {
  std::int32_t bank = 0;            // the player's credit, cents
  std::int32_t games = 0;           // ordinary spins played
  std::int32_t wager = 0;           // total bets of ordinary spins, cents
  std::int32_t total = 0;           // total won, cents
  std::int32_t amountinvested = 0;  // money inserted with the coin button, cents
  std::int16_t howmanyspins = 0;    // free-spin awards won
  std::int16_t soundonoff = 0;      // -1 sound on, 0 off
  std::int16_t machinepay = 0;      // payout throttle: a win stands with probability 1/machinepay
  std::int16_t winroll = 0;         // 0 shows a win at once, anything else counts it up
  std::int16_t reelspeed = 0;       // spin-down speed: 1, 2, 4, 8 or 10
  std::int32_t jackpotbank = 0;     // meter prizes paid, cents
  std::int32_t grand = 0, major = 0, minor = 0;  // progressive meters, cents
  std::int16_t grandwon = 0, majorwon = 0, minorwon = 0;
  std::int32_t jackpotprize = 0;  // prize of the running jackpot time
  std::string currentplayer;      // the player's name
  std::string playerslot;         // "1" .. "6": the slot written on exit
  std::int16_t popupcount = 0;    // losing spins counted towards the offer pop-up
};

}  // namespace quov
