// Where the 800 x 600 design screen lies in a window of any size: scaled by
// the same factor in both directions (the aspect is kept) and centred, the
// spare room left as bars. Converts between window pixels and screen twips.
#pragma once

#include "platform/element.h"

namespace quov {

struct PointF {
  double x = 0, y = 0;
};

struct RectF {
  double x = 0, y = 0, w = 0, h = 0;
};

class ViewMapping {
 public:
  ViewMapping() = default;
  ViewMapping(int windowWidth, int windowHeight);

  double scale() const { return scale_; }  // window pixels per design pixel
  double offsetX() const { return offsetX_; }
  double offsetY() const { return offsetY_; }

  // Window pixels of a point in twips, and back.
  PointF toWindow(double xTwips, double yTwips) const;
  PointF toTwips(double xWindow, double yWindow) const;
  // Window rectangle of a rectangle in twips.
  RectF toWindow(double leftTwips, double topTwips, double widthTwips, double heightTwips) const;
  // Whether a window point lies on the design screen, not on a bar.
  bool onScreen(double xWindow, double yWindow) const;

 private:
  double scale_ = 1, offsetX_ = 0, offsetY_ = 0;
};

}  // namespace quov
