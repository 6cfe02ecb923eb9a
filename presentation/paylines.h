// Drawing a payline with the six segment elements, and the line markers
// that draw their line when the pointer moves over them.
#pragma once

namespace quov {

class Quov;

class Paylines {
 public:
  explicit Paylines(Quov& q) : q(q) {}

  // Draws marker 1..26's line in full view and hides the segments it does
  // not use.
  void ShowPayline(int marker);
  // Positions and colours line 1..25's segments and shows or hides them;
  // segments beyond the line's are left as they are.
  void PlacePayline(int line, bool shown);
  void HidePaylines();
  // The pointer moves over marker 1..26.
  void lin_mousemove(int index);

 private:
  Quov& q;
};

}  // namespace quov
