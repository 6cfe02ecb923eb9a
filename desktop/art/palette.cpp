#include "desktop/art/palette.h"

#include <QPainterPath>
#include <QTransform>
#include <algorithm>

namespace quov::art {

QLinearGradient goldGradient(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, kGoldLight);
  g.setColorAt(0.45, kGold);
  g.setColorAt(0.55, QColor(200, 140, 30));
  g.setColorAt(1, kGoldDark);
  return g;
}

QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

void goldPlate(QPainter& p, const QRectF& r, qreal radius, const QColor& inner, qreal rim) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(goldGradient(r));
  p.drawRoundedRect(r, radius, radius);
  const QRectF in = r.adjusted(rim, rim, -rim, -rim);
  p.setBrush(verticalGradient(in, inner.darker(160), inner));
  p.drawRoundedRect(in, std::max<qreal>(0, radius - rim), std::max<qreal>(0, radius - rim));
  p.restore();
}

void buttonFace(QPainter& p, const QRectF& r, const QColor& base, bool pressed) {
  p.save();
  p.setPen(Qt::NoPen);
  const qreal radius = std::min(r.height(), r.width()) * 0.22;
  p.setBrush(goldGradient(r));
  p.drawRoundedRect(r, radius, radius);
  const QRectF face = r.adjusted(3, 3, -3, -3);
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  if (pressed) {
    g.setColorAt(0, base.darker(240));
    g.setColorAt(1, base.darker(130));
  } else {
    g.setColorAt(0, base.lighter(160));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(170));
  }
  p.setBrush(g);
  p.drawRoundedRect(face, radius * 0.8, radius * 0.8);
  if (!pressed) {  // a gloss on the upper half
    QRectF gloss = face.adjusted(4, 2, -4, -face.height() * 0.52);
    QLinearGradient s(gloss.topLeft(), gloss.bottomLeft());
    s.setColorAt(0, QColor(255, 255, 255, 130));
    s.setColorAt(1, QColor(255, 255, 255, 10));
    p.setBrush(s);
    p.drawRoundedRect(gloss, radius * 0.6, radius * 0.6);
  }
  p.restore();
}

QFont gameFont(qreal pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(std::max(1, qRound(pixelSize)));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void outlinedText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize,
                  const QColor& fill, const QColor& outline, int flags, qreal outlineWidth) {
  p.save();
  QFont f = gameFont(pixelSize);
  QPainterPath path;
  const QStringList lines = text.split('\n');
  const QFontMetricsF fm(f);
  const qreal lineHeight = fm.height();
  qreal y0 = r.top() + (r.height() - lineHeight * lines.size()) / 2;
  if (flags & Qt::AlignTop) y0 = r.top();
  for (int i = 0; i < lines.size(); ++i) {
    const qreal w = fm.horizontalAdvance(lines[i]);
    qreal x = r.left() + (r.width() - w) / 2;
    if (flags & Qt::AlignLeft) x = r.left();
    if (flags & Qt::AlignRight) x = r.right() - w;
    path.addText(QPointF(x, y0 + i * lineHeight + fm.ascent()), f, lines[i]);
  }
  p.setRenderHint(QPainter::Antialiasing);
  qreal ow = outlineWidth > 0 ? outlineWidth : std::max<qreal>(1.5, pixelSize / 7);
  // Text too big for its box shrinks, outline and all, to fit it whole.
  const QRectF inked = path.boundingRect().adjusted(-ow / 2, -ow / 2, ow / 2, ow / 2);
  if (inked.width() > r.width() || inked.height() > r.height()) {
    const qreal k = std::min(r.width() / inked.width(), r.height() / inked.height());
    const QSizeF fitted = inked.size() * k;
    qreal x = r.left() + (r.width() - fitted.width()) / 2;
    if (flags & Qt::AlignLeft) x = r.left();
    if (flags & Qt::AlignRight) x = r.right() - fitted.width();
    const qreal y = (flags & Qt::AlignTop) ? r.top() : r.top() + (r.height() - fitted.height()) / 2;
    QTransform t;
    t.translate(x, y);
    t.scale(k, k);
    t.translate(-inked.left(), -inked.top());
    path = t.map(path);
    ow *= k;
  }
  p.setPen(QPen(outline, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void plainText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize,
               const QColor& colour, int flags, bool bold) {
  p.save();
  p.setFont(gameFont(pixelSize, bold));
  p.setPen(colour);
  p.drawText(r, flags, text);
  p.restore();
}

}  // namespace quov::art
