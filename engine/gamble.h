// The gamble: after a win, or after collecting a free-spin series, the
// player stakes the amount on a hidden card's colour (pays double) or suit
// (pays four times), again and again while winning, or collects.
#pragma once

#include <cstdint>

#include "rules/gamble.h"

namespace quov {

struct Element;
class Quov;
class Sounds;

struct GambleState {
  std::int16_t historycount = 0;  // position in the row of the last suits drawn, 1..10
  std::int32_t stake = 0;         // taken from the credit when the panel opened
  // A bet runs from its card reveal to its result; other presses on the
  // panel are ignored meanwhile.
  bool betRunning = false;
};

class Gamble {
 public:
  Gamble(Quov& q, Sounds& sounds) : q(q), sounds(sounds) {}

  void doublebutton_mousedown();  // opens the gamble
  void betred_click();
  void betblack_click();
  void suitbet_click(int index);  // index = suit code 1..4
  void cancelbet_click();         // collects

  GambleState state;

 private:
  void bet(const GambleGuess& guess);  // a colour or suit bet, card reveal to result
  int revealCard();
  void recordSuit(int suit);
  void writeStakeTexts();
  void slideBanner(Element& banner);
  void lose();
  void close();
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
