// The picture buttons: each face carries its words (or, for the suit bets,
// its suit), in a raised look and in the pressed look the control bar shows.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace quov::art {

// The picture buttons this file draws, by element name.
QStringList buttonArtNames();
// The words on the button `name`, on one line (empty for none).
QString buttonWords(const QString& name);
// Paints the button `name` filling `r`.
void paintButton(QPainter& p, const QString& name, const QRectF& r, bool pressed);
// A suit: 1 hearts, 2 clubs, 3 diamonds, 4 spades, filling `r`.
void paintSuit(QPainter& p, int suit, const QRectF& r);

}  // namespace quov::art
