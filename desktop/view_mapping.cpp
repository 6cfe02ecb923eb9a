#include "desktop/view_mapping.h"

#include <algorithm>

namespace quov {

ViewMapping::ViewMapping(int windowWidth, int windowHeight) {
  const double w = std::max(1, windowWidth), h = std::max(1, windowHeight);
  scale_ = std::min(w / kDesignWidthPx, h / kDesignHeightPx);
  offsetX_ = (w - kDesignWidthPx * scale_) / 2;
  offsetY_ = (h - kDesignHeightPx * scale_) / 2;
}

PointF ViewMapping::toWindow(double xTwips, double yTwips) const {
  return {offsetX_ + xTwips * scale_ / kTwipsPerPixel, offsetY_ + yTwips * scale_ / kTwipsPerPixel};
}

PointF ViewMapping::toTwips(double xWindow, double yWindow) const {
  return {(xWindow - offsetX_) * kTwipsPerPixel / scale_,
          (yWindow - offsetY_) * kTwipsPerPixel / scale_};
}

RectF ViewMapping::toWindow(double leftTwips, double topTwips, double widthTwips,
                            double heightTwips) const {
  const PointF a = toWindow(leftTwips, topTwips);
  return {a.x, a.y, widthTwips * scale_ / kTwipsPerPixel, heightTwips * scale_ / kTwipsPerPixel};
}

bool ViewMapping::onScreen(double xWindow, double yWindow) const {
  const PointF t = toTwips(xWindow, yWindow);
  return t.x >= 0 && t.y >= 0 && t.x < kDesignWidthPx * kTwipsPerPixel &&
         t.y < kDesignHeightPx * kTwipsPerPixel;
}

}  // namespace quov
