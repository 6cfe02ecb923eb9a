// Colours, gradients and drawing helpers shared by all of the cabinet's art.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace quov::art {

inline const QColor kNight{14, 18, 52};
inline const QColor kDeepBlue{26, 36, 96};
inline const QColor kPurple{70, 24, 96};
inline const QColor kGoldLight{255, 240, 170};
inline const QColor kGold{224, 168, 46};
inline const QColor kGoldDark{130, 84, 16};
inline const QColor kSand{236, 205, 140};
inline const QColor kTurquoise{32, 178, 170};
inline const QColor kLapis{30, 70, 170};
inline const QColor kCarnelian{190, 40, 32};

// Vertical metal gradient over `r`.
QLinearGradient goldGradient(const QRectF& r);
QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom);

// A rounded plate with a gold rim: the look of every field and panel.
void goldPlate(QPainter& p, const QRectF& r, qreal radius, const QColor& inner, qreal rim = 3);
// A raised (or, `pressed`, sunken) glossy button face in `base` colour.
void buttonFace(QPainter& p, const QRectF& r, const QColor& base, bool pressed);
// Text centred in `r`, bold, with a dark outline so it reads on any colour;
// one line per '\n'. Text too big for `r` is shrunk to fit it whole.
void outlinedText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize,
                  const QColor& fill, const QColor& outline = QColor(20, 10, 0),
                  int flags = Qt::AlignCenter, qreal outlineWidth = 0);
// Plain bold text in `r`.
void plainText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize,
               const QColor& colour, int flags = Qt::AlignCenter, bool bold = true);
// The game's font of a given pixel size.
QFont gameFont(qreal pixelSize, bool bold = true);

}  // namespace quov::art
