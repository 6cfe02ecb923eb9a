#include "desktop/art/art_cache.h"

#include <QPainter>

namespace quov::art {

const QPixmap& ArtCache::picture(const ArtKey& key, QSize logical, qreal dpr) {
  const QSize device(std::max(1, qRound(logical.width() * dpr)),
                     std::max(1, qRound(logical.height() * dpr)));
  const QString id = key.id() + QStringLiteral("@%1x%2").arg(device.width()).arg(device.height());
  auto it = pixmaps_.find(id);
  if (it != pixmaps_.end()) return *it;
  QPixmap pm(device);
  pm.fill(Qt::transparent);
  {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(device.width() / key.design.width(), device.height() / key.design.height());
    paintArt(p, key);
  }
  pm.setDevicePixelRatio(dpr);
  return *pixmaps_.insert(id, pm);
}

}  // namespace quov::art
