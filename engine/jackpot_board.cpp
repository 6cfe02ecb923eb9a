#include "engine/jackpot.h"

namespace quov {

void JackpotBoard::place(Screen& s, const Element& above) {
  // The balls and the prize sit on the main screen, not in the frame.
  const auto define = [&s, &above](Element& e, const char* name, ElementKind kind, int l, int t,
                                   int w, int h) {
    e.name = name;
    e.kind = kind;
    e.left = l;
    e.top = t;
    e.width = w;
    e.height = h;
    e.visible = false;
    s.addBeneath(e, above);
  };
  define(jackpotframe, "jackpotframe", ElementKind::Picture, 800, -1600, 10400, 5750);
  define(jackpotpicture, "jackpotpicture", ElementKind::Image, 2782, 2194, 6435, 2430);
  define(lbljackpotwon, "lbljackpotwon", ElementKind::Label, 2782, 2900, 6435, 900);
  define(jackpotball11, "jackpotball11", ElementKind::Image, 850, 600, 1650, 1350);
  define(jackpotball21, "jackpotball21", ElementKind::Image, 850, 600, 1650, 1350);
  define(jackpotball31, "jackpotball31", ElementKind::Image, 850, 600, 1650, 1350);
}

}  // namespace quov
