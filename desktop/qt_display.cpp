#include "desktop/qt_display.h"

#include <QApplication>
#include <QScreen>

#include "platform/element.h"

namespace quov {

namespace {
const QScreen* displayOf(const QWidget* anchor) {
  if (anchor && anchor->screen()) return anchor->screen();
  return QGuiApplication::primaryScreen();
}
}  // namespace

QSize QtDisplay::size() const {
  const QScreen* s = displayOf(anchor_);
  return s ? s->availableGeometry().size() : QSize(kDesignWidthPx, kDesignHeightPx);
}

QPoint QtDisplay::origin() const {
  const QScreen* s = displayOf(anchor_);
  return s ? s->availableGeometry().topLeft() : QPoint();
}

int QtDisplay::widthTwips() { return size().width() * kTwipsPerPixel; }
int QtDisplay::heightTwips() { return size().height() * kTwipsPerPixel; }

void QtDisplay::setPointer(PointerShape shape) {
  const bool busy = shape == PointerShape::Busy;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace quov
