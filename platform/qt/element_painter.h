// Paints a screen's element model, in order, onto a widget: the cabinet
// background, then every shown element with its art, text or line, each
// clipped to its containers.
#pragma once

#include <QPainter>

#include "platform/screen.h"
#include "platform/qt/art/art_cache.h"
#include "platform/qt/view_mapping.h"

namespace quov {

class ElementPainter {
 public:
  // The control bar's art needs to know the buttons it carries.
  explicit ElementPainter(const Screen& screen);
  void paint(QPainter& p, const ViewMapping& view, qreal dpr);
  // Forget rendered pictures (the window's scale changed).
  void clearCache() { cache_.clear(); }
  int cachedPictures() const { return cache_.size(); }

 private:
  void paintElement(QPainter& p, const Element& e, const ViewMapping& view, qreal dpr);
  void paintReel(QPainter& p, const Element& e, const ViewMapping& view, qreal dpr);
  void paintLabel(QPainter& p, const Element& e, const QRectF& r, const ViewMapping& view);
  void drawArt(QPainter& p, const art::ArtKey& key, const QRectF& r, qreal dpr);
  const Screen& screen_;
  art::ArtCache cache_;
};

}  // namespace quov
