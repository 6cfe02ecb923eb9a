// Figures, banners and the side screens' pictures: the queen who crosses the
// screen when free spins are won, the gamble's WIN and LOSE banners, the
// offer picture, the about screen's portrait and the side screens' ground.
#pragma once

#include <QPainter>
#include <QRectF>

namespace quov::art {

void paintQueenFigure(QPainter& p, const QRectF& r);
void paintBanner(QPainter& p, const QRectF& r, bool won);
// 500 x 450: why this game is played for pretend money, and where to read more.
void paintOfferPicture(QPainter& p, const QRectF& r);
void paintAboutPicture(QPainter& p, const QRectF& r);
void paintFormBackground(QPainter& p, const QRectF& r);

}  // namespace quov::art
