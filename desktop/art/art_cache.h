// Rendered pictures, kept as pixmaps at the screen's device pixel ratio and
// keyed by art and size, so a frame only copies pixels.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>

#include "desktop/art/art_catalogue.h"

namespace quov::art {

class ArtCache {
 public:
  // `key` rendered to fill `logical` pixels at `dpr` device pixels each.
  const QPixmap& picture(const ArtKey& key, QSize logical, qreal dpr);
  void clear() { pixmaps_.clear(); }
  int size() const { return static_cast<int>(pixmaps_.size()); }

 private:
  QHash<QString, QPixmap> pixmaps_;
};

}  // namespace quov::art
