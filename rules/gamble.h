// Gamble rules: the hidden card's suit, what a colour or a suit bet pays,
// and where the history row puts the newest suit.
#pragma once

#include <array>

namespace quov {

// Suit codes; the card is drawn uniformly over the four.
inline constexpr int kSuits = 4;
inline constexpr int kHearts = 1, kClubs = 2, kDiamonds = 3, kSpades = 4;

enum class CardColour { Red, Black };
inline constexpr CardColour colourOf(int suit) {
  return suit == kHearts || suit == kDiamonds ? CardColour::Red : CardColour::Black;
}

// A right colour doubles the stake, a right suit quadruples it; a wrong
// guess loses it. So a colour bet wins one time in two, a suit bet one in four.
inline constexpr int kColourPays = 2;
inline constexpr int kSuitPays = 4;


// A bet: on a colour, or on one suit.
struct GambleGuess {
  bool onSuit = false;
  CardColour colour = CardColour::Red;
  int suit = 0;
};
inline constexpr bool guessWins(const GambleGuess& g, int suit) {
  return g.onSuit ? suit == g.suit : colourOf(suit) == g.colour;
}
inline constexpr int guessPays(const GambleGuess& g) { return g.onSuit ? kSuitPays : kColourPays; }

// Pictures of the card image list.
inline constexpr int kCardBack = 5;
inline constexpr int suitIcon(int suit) { return suit + 5; }
inline constexpr int kPeelFirst = 10, kPeelLast = 24;  // the back peeling away

// The history row of the last five suits. The count runs 1..10 and 11
// becomes 6. The first five draws fill the row from the left; from the sixth
// on, the row is laid out again with the newest suit at its right end.
inline constexpr int kHistorySlots = 5;
inline constexpr int kHistoryTop = 3960;
inline constexpr int kHistoryWrapFrom = 11, kHistoryWrapTo = 6;

struct HistoryStep {
  int slot = 0;                        // historypic that gets the new icon
  bool relayout = false;               // whether the row is moved
  std::array<int, kHistorySlots + 1> left{};  // per slot 1..5, when relayout
};
// The step for history count `count` (1..10).
HistoryStep historyStep(int count);

}  // namespace quov
