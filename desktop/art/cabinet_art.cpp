#include "desktop/art/cabinet_art.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "desktop/art/button_art.h"
#include "desktop/art/palette.h"
#include "mainscreen/reel_windows.h"
#include "platform/element.h"

namespace quov::art {

namespace {

// A small gold lotus-and-column frieze down a side margin.
void sideColumn(QPainter& p, qreal x, qreal w) {
  const QRectF col(x, 44, w, 384);
  p.setPen(Qt::NoPen);
  p.setBrush(verticalGradient(col, QColor(60, 30, 90), QColor(20, 14, 50)));
  p.drawRect(col);
  p.setBrush(QColor(224, 168, 46, 110));
  for (qreal y = 52; y < 424; y += 24) {
    QPainterPath leaf;
    leaf.moveTo(x + w / 2, y);
    leaf.quadTo(x + w, y + 10, x + w / 2, y + 18);
    leaf.quadTo(x, y + 10, x + w / 2, y);
    p.drawPath(leaf);
  }
}

void fieldPlate(QPainter& p, const QRectF& r, const QString& title, bool titleLeft = true) {
  goldPlate(p, r, 6, QColor(10, 20, 70), 2.5);
  if (title.isEmpty()) return;
  const QRectF t = titleLeft ? QRectF(r.left() + 7, r.top() + 2, r.width() * 0.6, 18)
                             : QRectF(r.left(), r.top() + 2, r.width(), 18);
  plainText(p, t, title, 11, kGoldLight, (titleLeft ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
}

void jackpotPlate(QPainter& p, const QRectF& r, const QString& title, const QColor& tint) {
  goldPlate(p, r, 8, tint, 3);
  plainText(p, QRectF(r.left() + 9, r.top(), 80, r.height()), title, 13, kGoldLight,
            Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

void paintCabinet(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, kScreenW, kScreenH);
  QRadialGradient sky(QPointF(400, 240), 520);
  sky.setColorAt(0, QColor(60, 40, 120));
  sky.setColorAt(0.6, kDeepBlue);
  sky.setColorAt(1, kNight);
  p.fillRect(all, sky);
  // Faint stars over the upper band.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 220, 90));
  for (int i = 0; i < 60; ++i) {
    const qreal x = (i * 137) % 800, y = (i * 53) % 44;
    p.drawEllipse(QPointF(x, y), 0.9, 0.9);
  }
  // The reel frame: a gold border, dark inside, where the paylines show.
  const QRectF frame(28, 40, 744, 392);
  goldPlate(p, frame, 10, QColor(18, 12, 40), 5);
  sideColumn(p, 34, 28);
  sideColumn(p, 738, 30);
  // Gold rims round the five reel windows.
  p.setBrush(Qt::NoBrush);
  for (int r = 1; r <= 5; ++r) {
    const qreal px = kTwipsPerPixel;
    const QRectF w(kReelWindowLeft[r] / px - 2, kReelWindowTop / px - 2, kReelWindowWidth / px + 4,
                   kReelWindowHeight / px + 4);
    p.setPen(QPen(goldGradient(w), 3));
    p.drawRoundedRect(w, 3, 3);
  }
  // Jackpot meters across the top.
  jackpotPlate(p, QRectF(56, 6, 208, 38), QStringLiteral("MAJOR"), QColor(20, 90, 40));
  jackpotPlate(p, QRectF(286, 4, 228, 40), QStringLiteral("GRAND"), QColor(130, 20, 30));
  jackpotPlate(p, QRectF(536, 6, 208, 38), QStringLiteral("MINOR"), QColor(20, 50, 130));
  // Meter fields between the reels and the control bar.
  const QRectF band(0, 432, kScreenW, 86);
  p.fillRect(band, verticalGradient(band, QColor(30, 20, 70), QColor(14, 10, 40)));
  fieldPlate(p, QRectF(16, 462, 178, 54), QStringLiteral("CREDIT"));
  fieldPlate(p, QRectF(196, 462, 208, 54), QStringLiteral("WINNER PAID"));
  fieldPlate(p, QRectF(406, 462, 98, 54), QStringLiteral("STAKE"));
  fieldPlate(p, QRectF(506, 462, 48, 54), QStringLiteral("BET"), false);
  fieldPlate(p, QRectF(556, 462, 48, 54), QStringLiteral("LINES"), false);
}

void paintControlBar(QPainter& p, const QRectF& r,
                     const std::vector<std::pair<QString, QRectF>>& buttons) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(r, verticalGradient(r, QColor(70, 50, 20), QColor(20, 12, 4)));
  p.setPen(QPen(goldGradient(r), 3));
  p.drawLine(QPointF(r.left(), r.top() + 1.5), QPointF(r.right(), r.top() + 1.5));
  for (const auto& [name, place] : buttons) paintButton(p, name, place, true);
}

void paintReelWindow(QPainter& p, const QRectF& r) {
  p.fillRect(r, verticalGradient(r, QColor(40, 30, 20), QColor(10, 8, 6)));
}

void paintPanel(QPainter& p, const QString& name, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  if (name == "pannomoney") {
    goldPlate(p, r, 14, QColor(120, 20, 20), 5);
    // The notice in three lines, as large as the panel takes it whole.
    outlinedText(p, r.adjusted(16, 12, -16, -12),
                 QStringLiteral("Not enough credit for this bet !,\n"
                                "reduce your bet or click the\n"
                                "\"Insert Credit Button \" for more credit."),
                 r.height() * 0.17, QColor(255, 245, 220), QColor(40, 0, 0));
  } else if (name == "pandouble") {
    goldPlate(p, r, 16, QColor(10, 70, 40), 6);
    QRectF felt = r.adjusted(14, 14, -14, -14);
    p.setPen(QPen(QColor(255, 230, 150, 90), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(felt, 10, 10);
    outlinedText(p, QRectF(r.left(), r.bottom() - 60, r.width(), 40),
                 QStringLiteral("GAMBLE  -  COLOUR PAYS x2   SUIT PAYS x4"), 16, kGoldLight);
  } else if (name == "menupic") {
    goldPlate(p, r, 10, QColor(20, 20, 70), 4);
  }
}

}  // namespace quov::art
