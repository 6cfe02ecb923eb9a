// The twelve reel symbols, each drawn into a 125 x 125 cell.
#pragma once

#include <QPainter>

#include "rules/symbols.h"

namespace quov::art {

inline constexpr qreal kCellPx = 125;

// Paints one strip cell (its background and symbol) in cell coordinates.
void paintSymbolCell(QPainter& p, Symbol s);
// The queen's portrait (the wild) alone, with a glow of strength 0..1.
void paintQueenPortrait(QPainter& p, qreal glow);
// The pyramids (the scatter) alone, with the sun's rays turned by `phase` 0..1.
void paintPyramids(QPainter& p, qreal phase, qreal glow);

}  // namespace quov::art
