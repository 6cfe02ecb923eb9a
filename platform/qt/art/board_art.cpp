#include "platform/qt/art/board_art.h"

#include <QRadialGradient>

#include "platform/qt/art/palette.h"

namespace quov::art {

namespace {

struct BoardCell {
  int left, top;  // the ball's place on the main screen, twips
  const char* words;
};

// Clockwise from the top-left corner.
constexpr BoardCell kCells[16] = {
    {850, 600, "BET X 20"},   {2600, 600, "BET X 10"},  {4350, 600, "BET X 20"},
    {6150, 600, "Grand"},     {7800, 600, "BET X 10"},  {9500, 600, "Minor"},
    {9500, 2150, "BET X 10"}, {9500, 3500, "BET X 30"}, {9500, 4900, "BET X 20"},
    {7800, 4900, "BET X 10"}, {6150, 4900, "Minor"},    {4350, 4900, "BET X 10"},
    {2600, 4900, "Major"},    {850, 4900, "BET X 10"},  {850, 3500, "BET X 20"},
    {850, 2150, "BET X 30"},
};

constexpr qreal kFrameLeft = 800, kFrameTop = 675;  // where the board rests
constexpr qreal kBallW = 1650.0 / 15, kBallH = 1350.0 / 15;

QColor cellColour(const QString& words) {
  if (words == "Grand") return QColor(160, 20, 30);
  if (words == "Major") return QColor(20, 110, 40);
  if (words == "Minor") return QColor(20, 60, 150);
  if (words.endsWith("30")) return QColor(130, 40, 150);
  if (words.endsWith("20")) return QColor(170, 90, 10);
  return QColor(60, 60, 80);
}

}  // namespace

void paintJackpotBoard(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, kBoardW, kBoardH);
  goldPlate(p, all, 18, QColor(30, 14, 60), 6);
  outlinedText(p, QRectF(130, 100, kBoardW - 260, 50), QStringLiteral("JACKPOT TIME"), 38,
               kGoldLight, QColor(60, 20, 0), Qt::AlignCenter, 4);
  for (const BoardCell& c : kCells) {
    const qreal x = (c.left - kFrameLeft) / 15, y = std::max<qreal>(8, (c.top - kFrameTop) / 15);
    const QRectF cell(x + 4, y + 4, kBallW - 8, kBallH - 8);
    const QString words = QString::fromLatin1(c.words);
    goldPlate(p, cell, 10, cellColour(words), 3);
    outlinedText(p, cell.adjusted(4, 2, -4, -2), words.startsWith("BET") ? words.mid(0, 5) + "\n" + words.mid(6) : words,
                 words.startsWith("BET") ? 17 : 21, QColor(255, 250, 230));
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
