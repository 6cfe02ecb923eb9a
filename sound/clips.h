// Every wave clip of the machine, named once: the resource number it is
// loaded from ("RESOURCE_ID_" and the number) and what it sounds for. Some
// clips serve more than one role; the name is the first role.
#pragma once

#include <array>
#include <string>

#include "rules/gamble.h"
#include "rules/paytable.h"

namespace quov {

enum class Clip : int {
  None = 0,
  Spare = 102,            // loaded, never played
  NoMoney = 103,          // credit too low; a gamble lost
  ReelStop = 104,         // a reel comes to rest
  WinBlip = 105,          // the smallest wins
  Welcome = 112,          // the end of start-up; wins of 11..21 cents
  WinRed = 114,           // a gamble won on red; wins of 31..40 cents
  GambleCollect = 115,    // a gamble collected or won on spades; wins of 41..50 cents
  WinBlack = 117,         // a gamble won on black, hearts or clubs; several win bands
  WinBells = 118,         // wins of 101..120 cents
  WinBellsRising = 119,   // wins of 121..150 cents
  WinDiamonds = 120,      // a gamble won on diamonds; wins of 151..200 cents
  FreeSpinsAwarded = 121, // three or more scatters
  WinFanfare = 122,       // wins of 301..450 cents
  BallStep = 123,         // each step of the jackpot ball, looping; wins of 451..600 cents
  WinBig = 124,           // wins of 751..2000 cents
  Prize = 125,            // a jackpot prize; a free-spin series collected
  WinLarge = 126,         // wins of 601..750 cents
  MenuClick = 128,        // the menu panel's buttons
  Click = 130,            // every other button
  JackpotTime = 139,      // jackpot time announced
  Celebration = 140,      // wins above 2000 cents
  SpinStart = 141,        // an ordinary spin starts
  ScatterReel1 = 142,     // a scatter lands on reel 1; 143..146 for reels 2..5
  ScatterReel2 = 143,
  ScatterReel3 = 144,
  ScatterReel4 = 145,
  ScatterReel5 = 146,
};

// The 27 clips start-up loads, in loading order.
inline constexpr std::array<Clip, 27> kLoadedClips = {
    Clip::Spare,        Clip::NoMoney,       Clip::ReelStop,         Clip::WinBlip,
    Clip::Welcome,      Clip::WinRed,        Clip::GambleCollect,    Clip::WinBlack,
    Clip::WinBells,     Clip::WinBellsRising, Clip::WinDiamonds,     Clip::FreeSpinsAwarded,
    Clip::WinFanfare,   Clip::BallStep,      Clip::WinBig,           Clip::Prize,
    Clip::WinLarge,     Clip::MenuClick,     Clip::Click,            Clip::JackpotTime,
    Clip::Celebration,  Clip::SpinStart,     Clip::ScatterReel1,     Clip::ScatterReel2,
    Clip::ScatterReel3, Clip::ScatterReel4,  Clip::ScatterReel5};

inline constexpr int resourceNumber(Clip c) { return static_cast<int>(c); }
inline std::string clipResourceName(Clip c) {
  return "RESOURCE_ID_" + std::to_string(resourceNumber(c));
}

// The clip of each win-size band, smallest first (band 0 is no win).
inline constexpr std::array<Clip, kWinBands> kWinClips = {
    Clip::None,        Clip::WinBlip,     Clip::Welcome,     Clip::WinBlack,
    Clip::WinRed,      Clip::GambleCollect, Clip::WinBlack,  Clip::WinBells,
    Clip::WinBellsRising, Clip::WinDiamonds, Clip::WinBlack, Clip::WinFanfare,
    Clip::BallStep,    Clip::WinLarge,    Clip::WinBig,      Clip::Celebration};
inline constexpr Clip winClip(const WinSize& size) { return kWinClips[size.band]; }

// A scatter landing on reel 1..5, rising reel by reel.
inline constexpr Clip scatterLanding(int reel) {
  return static_cast<Clip>(resourceNumber(Clip::ScatterReel1) + reel - 1);
}

// A won gamble bet: red, black; or hearts and clubs, diamonds, spades.
inline constexpr Clip gambleWinClip(const GambleGuess& g, int suit) {
  if (!g.onSuit) return g.colour == CardColour::Red ? Clip::WinRed : Clip::WinBlack;
  return suit == kDiamonds ? Clip::WinDiamonds : suit == kSpades ? Clip::GambleCollect
                                                                 : Clip::WinBlack;
}

}  // namespace quov
