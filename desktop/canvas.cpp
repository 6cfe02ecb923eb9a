#include "desktop/canvas.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace quov {

Canvas::Canvas(Screen& screen, QtEventLoop& loop)
    : screen_(screen), loop_(loop), painter_(screen) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  resize(kDesignWidthPx, kDesignHeightPx);
  CanvasAccessible::install();
}

void Canvas::refresh() {
  if (screen_.revision.value != paintedRevision_) update();
  if (reader_) reader_->follow();
}

void Canvas::pressElement(const Element& e) {
  if (loop_.ended()) return;
  loop_.syncClock();
  screen_.press(e);
  loop_.afterHandler();
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

namespace {

// The key as the game names it.
KeyStroke strokeOf(const QKeyEvent& ev) {
  KeyStroke k;
  const QString text = ev.text();
  if (!text.isEmpty() && text[0].unicode() <= 127) k.character = text[0].unicode();
  switch (ev.key()) {
    case Qt::Key_Escape:
      k.named = NamedKey::Escape;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      k.named = NamedKey::Enter;
      break;
    case Qt::Key_Up:
      k.named = NamedKey::Up;
      break;
    case Qt::Key_Down:
      k.named = NamedKey::Down;
      break;
    default:
      break;
  }
  k.repeat = ev.isAutoRepeat();
  return k;
}

}  // namespace

void Canvas::keyPressEvent(QKeyEvent* ev) {
  if (ev->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Q)) {
    close();  // the close request, answered by the game's shut-down
    return;
  }
  if (ev->key() == Qt::Key_F11) {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    return;
  }
  const KeyStroke k = strokeOf(*ev);
  if (loop_.ended() || (k.character == 0 && k.named == NamedKey::None)) {
    QWidget::keyPressEvent(ev);
    return;
  }
  loop_.syncClock();
  // The game's controls first: Escape closes the menu or the payline view;
  // on a screen with a way back to the game it takes that; only then does it
  // leave full screen.
  if (!screen_.controlKey(k)) {
    if (k.named == NamedKey::Escape && screen_.cancel)
      screen_.escape();
    else if (k.named == NamedKey::Escape && isFullScreen())
      setWindowState(windowState() & ~Qt::WindowFullScreen);
    else if (k.character != 0)
      screen_.keyPress(k.character);
  }
  loop_.afterHandler();
}

const Element* Canvas::toolTipAt(QPointF pos) const {
  const PointF t = mapping().toTwips(pos.x(), pos.y());
  const int x = static_cast<int>(std::floor(t.x)), y = static_cast<int>(std::floor(t.y));
  // The topmost element shown there, switched off or not, says what it is.
  for (auto it = screen_.elements.rbegin(); it != screen_.elements.rend(); ++it) {
    const Element* e = *it;
    if (e->kind == ElementKind::Line || !e->shownOnScreen()) continue;
    const int l = e->screenLeft(), top = e->screenTop();
    if (x >= l && x < l + e->width && y >= top && y < top + e->height)
      return e->toolTip.empty() ? nullptr : e;
  }
  return nullptr;
}

bool Canvas::event(QEvent* ev) {
  if (ev->type() != QEvent::ToolTip) return QWidget::event(ev);
  const auto* help = static_cast<QHelpEvent*>(ev);
  if (const Element* e = toolTipAt(help->pos()))
    QToolTip::showText(help->globalPos(), QString::fromStdString(e->toolTip), this);
  else
    QToolTip::hideText();
  return true;
}

}  // namespace quov
