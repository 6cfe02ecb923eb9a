#include "desktop/window_place.h"

#include <algorithm>
#include <cmath>

namespace quov {

namespace {

QSize inside(QSize room, const QMargins& frame) {
  return QSize(std::max(1, room.width() - frame.left() - frame.right()),
               std::max(1, room.height() - frame.top() - frame.bottom()));
}

// Moves `outer` into `area`; when it cannot fit, its top left stays
// inside, so the title bar can be reached.
QRect movedInto(QRect outer, const QRect& area) {
  if (outer.right() > area.right()) outer.moveRight(area.right());
  if (outer.bottom() > area.bottom()) outer.moveBottom(area.bottom());
  if (outer.left() < area.left()) outer.moveLeft(area.left());
  if (outer.top() < area.top()) outer.moveTop(area.top());
  return outer;
}

}  // namespace

QSize shrunkToFit(QSize size, QSize room) {
  if (size.width() <= 0 || size.height() <= 0) return size;
  if (size.width() <= room.width() && size.height() <= room.height()) return size;
  // Whichever side is shorter of room decides; the other follows the shape.
  if (static_cast<qint64>(room.width()) * size.height() <=
      static_cast<qint64>(room.height()) * size.width()) {
    const int h = static_cast<int>(std::floor(static_cast<double>(room.width()) * size.height() /
                                              size.width()));
    return QSize(room.width(), std::max(1, h));
  }
  const int w = static_cast<int>(std::floor(static_cast<double>(room.height()) * size.width() /
                                            size.height()));
  return QSize(std::max(1, w), room.height());
}

QRect openingPlace(const std::optional<WindowPlace>& saved, const QRect& available, QSize design) {
  if (saved && saved->client.width() > 0 && saved->client.height() > 0) {
    const QMargins& frame = saved->frame;
    // The player's own size fitted the screen with its frame once; keep it
    // unless this screen's free area is smaller.
    const QSize size = shrunkToFit(saved->client.size(), inside(available.size(), frame));
    const QRect outer = movedInto(QRect(saved->client.topLeft(), size) + frame, available);
    return outer - frame;
  }
  const QSize size = shrunkToFit(design, inside(available.size(), kFrameAllowance));
  QRect outer(QPoint(0, 0), QRect(QPoint(0, 0), size).marginsAdded(kFrameAllowance).size());
  outer.moveCenter(available.center());
  return movedInto(outer, available) - kFrameAllowance;
}

}  // namespace quov
