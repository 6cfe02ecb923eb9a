// The gamble: after a win, or after collecting a free-spin series, the
// player stakes the amount on a hidden card's colour (pays double) or suit
// (pays four times), again and again while winning, or collects.
#pragma once

#include <array>
#include <cstdint>

#include "platform/element.h"
#include "platform/screen.h"
#include "rules/gamble.h"

namespace quov {

class Quov;
class Sounds;
class InputRoutes;

// The gamble panel: the card, the colour and suit bets, the stake's texts,
// the row of the last suits drawn and the win and loss banners. The gamble
// alone shows, hides and writes them.
struct GamblePanel {
  Element pandouble;  // the panel; everything below sits in it
  Element piccardholder;
  Element betred, betblack, cancelbet;
  std::array<Element, 5> suitbet{};  // suitbet[1..4], index = suit code
  Element risklab, lblblackred, lblsuit;
  std::array<Element, 6> historypic{};  // historypic[1..5]
  Element gamblewin, gamblelose;

  // Names and places the panel's elements (hidden, the card's back up) and
  // puts them on `screen` just beneath `above`.
  void place(Screen& screen, const Element& above);
};

class Gamble {
 public:
  // Puts the panel on the main screen, beneath the menu panel.
  Gamble(Quov& q, Sounds& sounds);

  void doublebutton_mousedown();  // opens the gamble
  void betred_click();
  void betblack_click();
  void suitbet_click(int index);  // index = suit code 1..4
  void cancelbet_click();         // collects
  // The double button and the panel's bets answer their presses here.
  void routeInput(InputRoutes& routes);

  // The panel is open: the stake is out of the credit.
  bool open() const { return panel.pandouble.visible; }
  // What the player would collect now.
  std::int32_t atRisk() const { return atrisk_; }
  // A free-spin series' total, just collected, is the next gamble's stake
  // until a spin starts.
  void carrySeries(std::int32_t total) { gamblecarry_ = total; }
  void dropCarry() { gamblecarry_ = 0; }
  std::int32_t carried() const { return gamblecarry_; }
  // Where the next suit drawn goes in the row of the last suits, 1..10.
  std::int16_t historycount() const { return historycount_; }

  GamblePanel panel;

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
  std::int32_t atrisk_ = 0;       // the stake as the bets have doubled it
  std::int32_t gamblecarry_ = 0;  // a collected series total waiting to be gambled
  std::int32_t stake_ = 0;        // taken from the credit when the panel opened
  std::int16_t historycount_ = 0;  // position in the row of the last suits drawn, 1..10
  // A bet runs from its card reveal to its result; other presses on the
  // panel are ignored meanwhile.
  bool betRunning_ = false;
};

}  // namespace quov
