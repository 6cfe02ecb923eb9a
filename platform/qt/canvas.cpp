#include "platform/qt/canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>


namespace quov {

Canvas::Canvas(Screen& screen, QtEventLoop& loop)
    : screen_(screen), loop_(loop), painter_(screen) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  resize(kDesignWidthPx, kDesignHeightPx);
}

void Canvas::refresh() {
  if (screen_.revision.value != paintedRevision_) update();
}

void Canvas::setLinesRaised(bool raised) {
  if (painter_.linesRaised() == raised) return;
  painter_.setLinesRaised(raised);
  paintedRevision_ = ~std::uint64_t{0};
}

void Canvas::paintNow() {
  if (isVisible() && screen_.revision.value != paintedRevision_) repaint();
}

void Canvas::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (dpr != paintedDpr_) {
    painter_.clearCache();
    paintedDpr_ = dpr;
  }
  QPainter p(this);
  const ViewMapping view = mapping();
  if (view.offsetX() > 0 || view.offsetY() > 0) p.fillRect(rect(), Qt::black);
  painter_.paint(p, view, dpr);
  paintedRevision_ = screen_.revision.value;
  ++frames_;
}

void Canvas::resizeEvent(QResizeEvent*) {
  painter_.clearCache();
  paintedRevision_ = ~std::uint64_t{0};
}

Element* Canvas::elementAt(QPointF pos) const {
  const PointF t = mapping().toTwips(pos.x(), pos.y());
  return screen_.hitTest(static_cast<int>(std::floor(t.x)), static_cast<int>(std::floor(t.y)));
}

bool Canvas::over(const Element& e, QPointF pos) const {
  const PointF t = mapping().toTwips(pos.x(), pos.y());
  const int l = e.screenLeft(), top = e.screenTop();
  return t.x >= l && t.x < l + e.width && t.y >= top && t.y < top + e.height;
}

void Canvas::mousePressEvent(QMouseEvent* ev) {
  if (ev->button() != Qt::LeftButton || loop_.ended()) return;
  loop_.syncClock();
  pressed_ = elementAt(ev->position());
  if (pressed_) screen_.mouseDown(*pressed_);
  loop_.afterHandler();
}

void Canvas::mouseReleaseEvent(QMouseEvent* ev) {
  if (ev->button() != Qt::LeftButton || !pressed_ || loop_.ended()) return;
  Element& e = *pressed_;
  pressed_ = nullptr;
  loop_.syncClock();
  screen_.mouseUp(e);
  // A click is a release over the element that was pressed, even when the
  // press hid it (a pressed picture button shows the bar beneath).
  if (!loop_.ended() && over(e, ev->position())) screen_.click(e);
  loop_.afterHandler();
}

void Canvas::mouseMoveEvent(QMouseEvent* ev) {
  if (loop_.ended()) return;
  loop_.syncClock();
  screen_.mouseMove(elementAt(ev->position()));
  loop_.afterHandler();
}

void Canvas::keyPressEvent(QKeyEvent* ev) {
  if (ev->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Q)) {
    close();  // the close request, answered by the game's shut-down
    return;
  }
  if (ev->key() == Qt::Key_F11) {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    return;
  }
  if (ev->key() == Qt::Key_Escape && isFullScreen()) {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    return;
  }
  // On a screen with a way back to the game, Escape takes it.
  if (ev->key() == Qt::Key_Escape && screen_.cancel && !loop_.ended()) {
    loop_.syncClock();
    screen_.escape();
    loop_.afterHandler();
    return;
  }
  const QString text = ev->text();
  if (text.isEmpty() || text[0].unicode() > 127 || loop_.ended()) {
    QWidget::keyPressEvent(ev);
    return;
  }
  loop_.syncClock();
  screen_.keyPress(text[0].unicode());
  loop_.afterHandler();
}

}  // namespace quov
