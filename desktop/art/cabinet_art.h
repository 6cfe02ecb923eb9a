// The cabinet itself: the background with its reel frame and meter fields,
// the control bar with the pressed look of its buttons, the reel windows and
// the panels (no-money notice, gamble table, menu).
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace quov::art {

inline constexpr qreal kScreenW = 800, kScreenH = 600;

// Whole design screen, 800 x 600.
void paintCabinet(QPainter& p);
// The control bar (800 x 82) with each button's pressed face at its place.
void paintControlBar(QPainter& p, const QRectF& r,
                     const std::vector<std::pair<QString, QRectF>>& buttons);
// A reel window's empty inside.
void paintReelWindow(QPainter& p, const QRectF& r);
// Panels: the no-money notice, the gamble table, the menu.
inline const QStringList kPanelArt = {QStringLiteral("pannomoney"), QStringLiteral("pandouble"),
                                      QStringLiteral("menupic")};
void paintPanel(QPainter& p, const QString& name, const QRectF& r);

}  // namespace quov::art
