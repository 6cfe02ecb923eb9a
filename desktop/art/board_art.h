// The jackpot board (16 prize cells round a frame) and its three balls.
#pragma once

#include <QPainter>
#include <QRectF>

#include "platform/element.h"

namespace quov::art {

inline constexpr qreal kBoardW = 10400.0 / kTwipsPerPixel, kBoardH = 5750.0 / kTwipsPerPixel;

// The board in its own 693 x 383 design pixels.
void paintJackpotBoard(QPainter& p);
// Ball `colour` 1..3 (red, green, blue) lighting a cell of 110 x 90.
void paintJackpotBall(QPainter& p, int colour, const QRectF& r);

}  // namespace quov::art
