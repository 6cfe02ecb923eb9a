#include "desktop/art/figure_art.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "desktop/art/palette.h"
#include "desktop/art/symbol_art.h"
#include "screens/project.h"

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

namespace {
// The share of a symbol's cell above the word written across its foot.
constexpr qreal kWordlessShare = 98 / kCellPx;
}  // namespace

void paintOfferPicture(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(r.topLeft());
  p.scale(r.width() / 500, r.height() / 450);
  const QRectF all(0, 0, 500, 450);
  goldPlate(p, all, 14, QColor(46, 22, 100), 5);
  const QRectF art(26, 30, 128, 128 * kWordlessShare);
  p.save();
  QPainterPath frame;
  frame.addRoundedRect(art, 10, 10);
  p.setClipPath(frame);
  p.translate(art.topLeft());
  p.scale(art.width() / kCellPx, art.width() / kCellPx);
  paintPyramids(p, 0.3, 1);
  p.restore();
  p.setPen(QPen(goldGradient(art), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(art, 10, 10);
  outlinedText(p, QRectF(170, 30, 310, 120), QStringLiteral("Why play for\npretend money?"), 31,
               kGoldLight, QColor(50, 10, 0), Qt::AlignLeft);
  const QColor soft(225, 228, 250);
  const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  plainText(p, QRectF(32, 178, 436, 90),
            QStringLiteral("Every slot machine is built to keep more than it pays back. Here "
                           "you can feel how that works with money that was never real."),
            17, soft, wrap, false);
  plainText(p, QRectF(32, 280, 436, 80),
            QStringLiteral("Click to read how the reels, the pay table and the payout setting "
                           "decide what comes back to the player."),
            17, soft, wrap, false);
  QString link = QString::fromLatin1(project::kPretendMoneyLink);
  link.remove(QStringLiteral("https://"));
  outlinedText(p, QRectF(32, 380, 436, 40), link + QStringLiteral("  \u203A"), 22, kGold,
               QColor(30, 5, 0), Qt::AlignLeft);
  p.restore();
}

void paintAboutPicture(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  goldPlate(p, r, 12, kPurple, 4);
  const qreal side = r.width() - 16;
  const QRectF art(r.left() + 8, r.top() + 8, side, side * kWordlessShare);
  p.save();
  QPainterPath round;
  round.addRoundedRect(art, 8, 8);
  p.setClipPath(round);
  p.translate(art.topLeft());
  p.scale(side / kCellPx, side / kCellPx);
  paintQueenPortrait(p, 0.6);
  p.restore();
  p.setPen(QPen(goldGradient(art), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(art, 8, 8);
  outlinedText(p, QRectF(r.left(), art.bottom() + 4, r.width(), r.bottom() - art.bottom() - 10),
               QStringLiteral("QUOV"), 26, kGoldLight, QColor(50, 10, 0));
}

void paintFormBackground(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(r, kNight);
  p.setPen(Qt::NoPen);
  p.setBrush(verticalGradient(r, kDeepBlue, kNight));
  p.drawRect(r);
  p.setPen(QPen(goldGradient(r), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}

}  // namespace quov::art
