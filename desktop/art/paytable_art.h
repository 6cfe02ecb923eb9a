// The pay table's picture: every line symbol with its pays, the wild's and
// the scatter's rules and the free-spin awards, as the pay sheet reads them
// from the game's own rules, painted in 596 x 453 design pixels.
#pragma once

#include <QPainter>
#include <QRectF>

namespace quov::art {

inline constexpr qreal kPayTableW = 596, kPayTableH = 453;

void paintPayTable(QPainter& p, const QRectF& r);

}  // namespace quov::art
