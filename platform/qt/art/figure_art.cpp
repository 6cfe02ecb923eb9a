#include "platform/qt/art/figure_art.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "platform/qt/art/palette.h"
#include "platform/qt/art/symbol_art.h"

namespace quov::art {

void paintQueenFigure(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  p.translate(r.topLeft());
  p.scale(r.width() / 240, r.height() / 130);
  // A glowing cartouche with the queen's portrait and her title.
  QRadialGradient glow(QPointF(120, 65), 130);
  glow.setColorAt(0, QColor(255, 220, 120, 200));
  glow.setColorAt(1, QColor(255, 200, 80, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QRectF(0, 0, 240, 130));
  goldPlate(p, QRectF(4, 8, 232, 114), 56, QColor(60, 20, 100), 5);
  p.save();
  QPainterPath round;
  round.addEllipse(QRectF(12, 14, 102, 102));
  p.setClipPath(round);
  p.translate(12, 14);
  p.scale(102 / kCellPx, 102 / kCellPx);
  paintQueenPortrait(p, 0.8);
  p.restore();
  p.setPen(QPen(goldGradient(QRectF(12, 14, 102, 102)), 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(12, 14, 102, 102));
  outlinedText(p, QRectF(112, 22, 118, 48), QStringLiteral("FREE\nSPINS"), 24, kGoldLight,
               QColor(50, 10, 0));
  outlinedText(p, QRectF(112, 76, 118, 30), QStringLiteral("QUEEN'S BONUS"), 13,
               QColor(255, 255, 255), QColor(50, 10, 0));
  p.restore();
}

void paintBanner(QPainter& p, const QRectF& r, bool won) {
  p.setRenderHint(QPainter::Antialiasing);
  goldPlate(p, r, r.height() / 2, won ? QColor(20, 140, 50) : QColor(160, 20, 20), 5);
  outlinedText(p, r, won ? QStringLiteral("WIN") : QStringLiteral("LOSE"), r.height() * 0.62,
               QColor(255, 250, 225), QColor(40, 10, 0), Qt::AlignCenter, 4);
}

void paintOfferPicture(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  goldPlate(p, r, 14, QColor(40, 20, 90), 5);
  p.save();
  p.translate(r.left() + 18, r.top() + 18);
  p.scale(0.9, 0.9);
  paintPyramids(p, 0.3, 1);
  p.restore();
  outlinedText(p, QRectF(r.left() + 140, r.top() + 14, r.width() - 150, 60),
               QStringLiteral("Play for\nReal Money"), 26, kGoldLight, QColor(50, 10, 0));
  outlinedText(p, QRectF(r.left() + 140, r.top() + 80, r.width() - 150, 40),
               QStringLiteral("Ask your local casino\nabout the real cabinet"), 12,
               QColor(255, 255, 255), QColor(20, 0, 40));
}

}  // namespace quov::art
