#include "desktop/art_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "desktop/art/button_art.h"

namespace quov {

namespace {

void drawOwnArt(QPainter& p, const QWidget& w, const QString& art, art::ArtCache& cache,
                bool pressed = false) {
  if (pressed && !art::buttonWords(art).isEmpty()) {
    art::paintButton(p, art, QRectF(w.rect()), true);  // shows only while held: not cached
    return;
  }
  p.drawPixmap(QPointF(0, 0), cache.picture(art::ArtKey::own(art, QSizeF(w.size())), w.size(),
                                            w.devicePixelRatioF()));
  if (pressed) p.fillRect(w.rect(), QColor(0, 0, 0, 70));
}

}  // namespace

ArtPicture::ArtPicture(QString art, art::ArtCache& cache, QWidget* parent)
    : QWidget(parent), art_(std::move(art)), cache_(cache) {}

void ArtPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawOwnArt(p, *this, art_, cache_);
}

ArtButton::ArtButton(QString art, art::ArtCache& cache, QWidget* parent)
    : QAbstractButton(parent), art_(std::move(art)), cache_(cache) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  const QString words = art::buttonWords(art_);
  if (!words.isEmpty()) setAccessibleName(words);
}

void ArtButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  drawOwnArt(p, *this, art_, cache_, isDown());
  if (hovered_ && !isDown()) p.fillRect(rect(), QColor(255, 240, 200, 28));
  if (hasFocus() && keyboardFocus_) {
    p.setPen(QPen(QColor(255, 255, 255, 220), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const qreal radius = std::min<qreal>(10, std::min(width(), height()) * 0.2);
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), radius, radius);
  }
}

void ArtButton::keyPressEvent(QKeyEvent* ev) {
  if (!keyboardFocus_) {
    keyboardFocus_ = true;
    update();
  }
  if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) {
    animateClick();
    return;
  }
  QAbstractButton::keyPressEvent(ev);
}

void ArtButton::focusInEvent(QFocusEvent* ev) {
  keyboardFocus_ = ev->reason() == Qt::TabFocusReason || ev->reason() == Qt::BacktabFocusReason ||
                   ev->reason() == Qt::ShortcutFocusReason;
  QAbstractButton::focusInEvent(ev);
}

void ArtButton::enterEvent(QEnterEvent* ev) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(ev);
}

void ArtButton::leaveEvent(QEvent* ev) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(ev);
}

}  // namespace quov
