#include "desktop/art/board_art.h"

#include <QRadialGradient>

#include "desktop/art/palette.h"
#include "rules/jackpot.h"

namespace quov::art {

namespace {

// What a cell's picture says: the prize it pays.
QString cellWords(JackpotPrize prize) {
  switch (prize) {
    case JackpotPrize::BetX10: return QStringLiteral("BET X 10");
    case JackpotPrize::BetX20: return QStringLiteral("BET X 20");
    case JackpotPrize::BetX30: return QStringLiteral("BET X 30");
    case JackpotPrize::Minor: return QStringLiteral("Minor");
    case JackpotPrize::Major: return QStringLiteral("Major");
    case JackpotPrize::Grand: return QStringLiteral("Grand");
    case JackpotPrize::None: break;
  }
  return {};
}

constexpr qreal kBallW = 1650.0 / kTwipsPerPixel, kBallH = 1350.0 / kTwipsPerPixel;

QColor cellColour(JackpotPrize prize) {
  switch (prize) {
    case JackpotPrize::Grand: return QColor(160, 20, 30);
    case JackpotPrize::Major: return QColor(20, 110, 40);
    case JackpotPrize::Minor: return QColor(20, 60, 150);
    case JackpotPrize::BetX30: return QColor(130, 40, 150);
    case JackpotPrize::BetX20: return QColor(170, 90, 10);
    default: return QColor(60, 60, 80);
  }
}

}  // namespace

void paintJackpotBoard(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, kBoardW, kBoardH);
  goldPlate(p, all, 18, QColor(30, 14, 60), 6);
  outlinedText(p, QRectF(130, 100, kBoardW - 260, 50), QStringLiteral("JACKPOT TIME"), 38,
               kGoldLight, QColor(60, 20, 0), Qt::AlignCenter, 4);
  for (int n = 1; n <= kBoardCells; ++n) {
    const BoardCell& c = boardCell(n);
    const qreal x = static_cast<qreal>(c.left - kBoardLeft) / kTwipsPerPixel,
                y = std::max<qreal>(8, static_cast<qreal>(c.top - kBoardTop) / kTwipsPerPixel);
    const QRectF cell(x + 4, y + 4, kBallW - 8, kBallH - 8);
    const bool multiple = !isMeterPrize(c.prize);
    const QString words = cellWords(c.prize);
    goldPlate(p, cell, 10, cellColour(c.prize), 3);
    outlinedText(p, cell.adjusted(4, 2, -4, -2),
                 multiple ? words.mid(0, 5) + "\n" + words.mid(6) : words, multiple ? 17 : 21,
                 QColor(255, 250, 230));
  }
}

void paintJackpotBall(QPainter& p, int colour, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor tints[3] = {QColor(255, 60, 60), QColor(60, 230, 90), QColor(70, 140, 255)};
  const QColor tint = tints[std::clamp(colour, 1, 3) - 1];
  QColor halo = tint;
  halo.setAlpha(150);
  p.setPen(QPen(halo, 7));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 12, 12);
  p.setPen(QPen(QColor(255, 255, 255, 220), 2));
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 12, 12);
  const QPointF c(r.left() + 16, r.top() + 16);
  QRadialGradient g(c - QPointF(4, 4), 16);
  g.setColorAt(0, Qt::white);
  g.setColorAt(0.35, tint);
  g.setColorAt(1, tint.darker(220));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, 12, 12);
}

}  // namespace quov::art
