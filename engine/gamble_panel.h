// The gamble panel: the card, the colour and suit bets, the stake's texts,
// the row of the last suits drawn and the win and loss banners. The gamble
// alone shows, hides and writes them.
#pragma once

#include <array>

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

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

}  // namespace quov
