#include "presentation/paylines.h"

#include "mainscreen/quov.h"
#include "presentation/payline_shapes.h"

namespace quov {

namespace {
void placeSegments(std::array<Element, 7>& lineflash, const PaylineShape& shape, bool shown) {
  for (int e = 1; e <= shape.segments; ++e) {
    const Segment& s = shape.segment[e - 1];
    lineflash[e].setLine(s.x1, s.y1, s.x2, s.y2);
  }
  for (int e = 1; e <= shape.segments; ++e) {
    lineflash[e].setColour(shape.colour);
    lineflash[e].setVisible(shown);
  }
}
}  // namespace

void Paylines::ShowPayline(int marker) {
  if (marker < 1 || marker > kMarkers) return;
  const PaylineShape& shape = paylineShape(marker);
  placeSegments(q.Lineflash, shape, true);
  // A line of fewer segments leaves nothing of the one drawn before.
  for (int e = shape.segments + 1; e <= kMaxSegments; ++e) q.Lineflash[e].hide();
}

void Paylines::PlacePayline(int line, bool shown) {
  if (line < 1 || line > kLines) return;
  placeSegments(q.Lineflash, paylineShape(line), shown);
}

void Paylines::HidePaylines() {
  for (int e = 1; e <= kMaxSegments; ++e) q.Lineflash[e].hide();
}

void Paylines::lin_mousemove(int index) {
  // Only an enabled marker answers the pointer: all of them in the payline
  // view, the second marker of line 1 always.
  if (index < 1 || index > kMarkers || !q.lin[index].enabled) return;
  ShowPayline(index);
}

}  // namespace quov
