#include "engine/jackpot.h"

namespace quov {

void JackpotBoard::place(Screen& s, const Element& above) {
  // The balls and the prize sit on the main screen, not in the frame; all
  // of the board stays hidden until jackpot time.
  s.addBeneath(above, jackpotframe, "jackpotframe", ElementKind::Picture, 800, -1600, 10400, 5750)
      .visible = false;
  s.addBeneath(above, jackpotpicture, "jackpotpicture", ElementKind::Image, 2782, 2194, 6435, 2430)
      .visible = false;
  s.addBeneath(above, lbljackpotwon, "lbljackpotwon", ElementKind::Label, 2782, 2900, 6435, 900)
      .visible = false;
  s.addBeneath(above, jackpotball11, "jackpotball11", ElementKind::Image, 850, 600, 1650, 1350)
      .visible = false;
  s.addBeneath(above, jackpotball21, "jackpotball21", ElementKind::Image, 850, 600, 1650, 1350)
      .visible = false;
  s.addBeneath(above, jackpotball31, "jackpotball31", ElementKind::Image, 850, 600, 1650, 1350)
      .visible = false;
}

}  // namespace quov
