// Figures and banners: the queen who crosses the screen when free spins are
// won, the gamble's WIN and LOSE banners and the offer picture.
#pragma once

#include <QPainter>
#include <QRectF>

namespace quov::art {

void paintQueenFigure(QPainter& p, const QRectF& r);
void paintBanner(QPainter& p, const QRectF& r, bool won);
void paintOfferPicture(QPainter& p, const QRectF& r);

}  // namespace quov::art
