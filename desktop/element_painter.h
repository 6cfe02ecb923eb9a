// Paints a screen's element model, in order, onto a widget: the cabinet
// background, then every shown element with its art, text or line, each
// clipped to its containers.
//
// Line segments lie beneath the reel windows, where the model puts them, so
// a line drawn at other times (the marker that shows line 1 from the right,
// the stub left from start-up) shows only between the reels. Raised, they
// are drawn straight after the reel area instead: whole over the symbols,
// still beneath the markers, meters, panels and buttons painted after it, so
// a flashing winning line is seen across the symbols it pays for and never
// covers the gamble table, the menu or a notice.
#pragma once

#include <QPainter>

#include "desktop/art/art_cache.h"
#include "desktop/view_mapping.h"
#include "platform/screen.h"

namespace quov {

class ElementPainter {
 public:
  // The control bar's art needs to know the buttons it carries.
  explicit ElementPainter(const Screen& screen);
  void paint(QPainter& p, const ViewMapping& view, qreal dpr);
  // Forget rendered pictures (the window's scale changed).
  void clearCache() { cache_.clear(); }
  int cachedPictures() const { return cache_.size(); }
  void setLinesRaised(bool raised) { linesRaised_ = raised; }
  bool linesRaised() const { return linesRaised_; }

 private:
  void paintElement(QPainter& p, const Element& e, const ViewMapping& view, qreal dpr);
  void paintReel(QPainter& p, const Element& e, const ViewMapping& view, qreal dpr);
  void paintLabel(QPainter& p, const Element& e, const QRectF& r, const ViewMapping& view);
  void drawArt(QPainter& p, const art::ArtKey& key, const QRectF& r, qreal dpr);
  void paintLines(QPainter& p, const ViewMapping& view, qreal dpr);
  void paintFocus(QPainter& p, const ViewMapping& view, qreal dpr);
  const Screen& screen_;
  art::ArtCache cache_;
  bool linesRaised_ = false;
  // The last element of the reel area (a reel window, its strip or a cell
  // frame in it); none on a screen without reels.
  const Element* reelAreaEnd_ = nullptr;
};

}  // namespace quov
