#include "desktop/art/recall_art.h"

#include "desktop/art/cabinet_art.h"
#include "desktop/art/palette.h"

namespace quov::art {

void paintRecallBackground(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, kScreenW, kScreenH);
  p.fillRect(all, verticalGradient(all, QColor(46, 62, 58), QColor(18, 26, 26)));
  // RECALL across the desk, faint, behind everything.
  p.save();
  p.translate(400, 250);
  p.rotate(-18);
  p.setFont(gameFont(150));
  p.setPen(QColor(255, 255, 255, 22));
  p.drawText(QRectF(-420, -110, 840, 220), Qt::AlignCenter, QStringLiteral("RECALL"));
  p.restore();
  // The red band of the recall mark and the plate for the game's figures.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 24, 24));
  p.drawRect(QRectF(0, 0, kScreenW, 25));
  goldPlate(p, QRectF(30, 426, 740, 118), 8, QColor(10, 24, 24, 220), 2);
}

}  // namespace quov::art
