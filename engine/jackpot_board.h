// The jackpot board: the frame that slides in over the reels, the ball in
// its three colours, and the prize shown where the ball stopped. Jackpot
// time alone shows, moves and writes them.
#pragma once

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

struct JackpotBoard {
  Element jackpotframe;   // the board, above the screen until it slides in
  Element jackpotpicture;  // a meter prize's picture
  Element lbljackpotwon;   // a bet multiple's caption
  Element jackpotball11, jackpotball21, jackpotball31;  // the ball in its three colours

  // Names and places the board's elements, hidden, and puts them on
  // `screen` just beneath `above`.
  void place(Screen& screen, const Element& above);
};

}  // namespace quov
