#include "desktop/art/symbol_art.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "desktop/art/palette.h"

namespace quov::art {

namespace {

constexpr qreal kPi = 3.14159265358979;

void cellBackground(QPainter& p, const QColor& tint) {
  const QRectF r(0, 0, kCellPx, kCellPx);
  QRadialGradient g(r.center(), 80);
  g.setColorAt(0, QColor(255, 250, 232));
  g.setColorAt(0.7, QColor(242, 228, 196));
  g.setColorAt(1, tint);
  p.fillRect(r, g);
  p.setPen(QPen(QColor(150, 120, 70, 120), 1));
  p.drawLine(QPointF(0, 0.5), QPointF(kCellPx, 0.5));
}

void letter(QPainter& p, const QString& text, const QColor& colour) {
  const QRectF r(8, 6, 109, 113);
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(92);
  f.setBold(true);
  QPainterPath path;
  const QFontMetricsF fm(f);
  const qreal w = fm.horizontalAdvance(text);
  path.addText(QPointF(r.center().x() - w / 2, r.center().y() + fm.ascent() * 0.38), f, text);
  p.setPen(QPen(kGoldDark, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(QPen(kGoldLight, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  QLinearGradient g(0, 20, 0, 110);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
}

void lotus(QPainter& p) {
  const QPointF base(62.5, 96);
  p.setPen(QPen(QColor(120, 20, 80), 2));
  for (int i = -3; i <= 3; ++i) {
    QPainterPath petal;
    const qreal angle = i * 0.38;
    const qreal len = 62 - std::abs(i) * 6;
    const QPointF tip(base.x() + std::sin(angle) * len, base.y() - std::cos(angle) * len);
    const QPointF side(std::cos(angle) * 13, std::sin(angle) * 13);
    petal.moveTo(base);
    petal.quadTo(base + side * 1.6 + (tip - base) * 0.5, tip);
    petal.quadTo(base - side * 1.6 + (tip - base) * 0.5, base);
    QLinearGradient g(base, tip);
    g.setColorAt(0, QColor(200, 40, 120));
    g.setColorAt(1, QColor(255, 180, 220));
    p.setBrush(g);
    p.drawPath(petal);
  }
  p.setBrush(QColor(40, 140, 70));
  p.setPen(QPen(QColor(20, 80, 40), 2));
  p.drawRoundedRect(QRectF(22, 96, 81, 12), 6, 6);
}

void eye(QPainter& p) {
  QPainterPath lid;
  lid.moveTo(14, 56);
  lid.quadTo(62, 12, 111, 56);
  lid.quadTo(62, 92, 14, 56);
  p.setPen(QPen(QColor(10, 20, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(250, 250, 255));
  p.drawPath(lid);
  QRadialGradient iris(QPointF(62, 54), 20);
  iris.setColorAt(0, QColor(90, 160, 255));
  iris.setColorAt(1, kLapis.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(iris);
  p.drawEllipse(QPointF(62, 54), 19, 19);
  p.setBrush(QColor(5, 5, 20));
  p.drawEllipse(QPointF(62, 54), 8, 8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(57, 49), 3, 3);
  p.setPen(QPen(QColor(10, 20, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(10, 30), QPointF(112, 30));  // brow
  QPainterPath tail;  // the falcon's markings under the eye
  tail.moveTo(50, 76);
  tail.lineTo(44, 108);
  tail.quadTo(38, 118, 28, 110);
  p.drawPath(tail);
  QPainterPath curl;
  curl.moveTo(74, 76);
  curl.quadTo(92, 96, 100, 110);
  curl.quadTo(106, 118, 96, 118);
  p.drawPath(curl);
}

void ankh(QPainter& p) {
  QPainterPath a;
  a.addEllipse(QRectF(40, 8, 45, 50));
  QPainterPath hole;
  hole.addEllipse(QRectF(52, 18, 21, 32));
  a = a.subtracted(hole);
  a.addRect(QRectF(18, 56, 89, 15));
  a.addRect(QRectF(54, 56, 17, 62));
  a = a.simplified();
  p.setPen(QPen(kGoldDark, 3));
  p.setBrush(goldGradient(QRectF(0, 8, 125, 110)));
  p.drawPath(a);
  p.setPen(QPen(QColor(255, 255, 255, 140), 2));
  p.drawLine(QPointF(58, 62), QPointF(58, 114));
}

void ring(QPainter& p) {
  p.setPen(QPen(kGoldDark, 3));
  QPainterPath band;
  band.addEllipse(QRectF(24, 42, 77, 72));
  QPainterPath inner;
  inner.addEllipse(QRectF(38, 56, 49, 46));
  band = band.subtracted(inner);
  p.setBrush(goldGradient(QRectF(24, 42, 77, 72)));
  p.drawPath(band);
  QPainterPath gem;  // a cut ruby on the setting
  gem.moveTo(62.5, 8);
  gem.lineTo(84, 26);
  gem.lineTo(62.5, 50);
  gem.lineTo(41, 26);
  gem.closeSubpath();
  QLinearGradient g(41, 8, 84, 50);
  g.setColorAt(0, QColor(255, 120, 130));
  g.setColorAt(1, QColor(140, 0, 20));
  p.setBrush(g);
  p.setPen(QPen(QColor(90, 0, 10), 2));
  p.drawPath(gem);
  p.setPen(QPen(QColor(255, 220, 220, 200), 1.5));
  p.drawLine(QPointF(41, 26), QPointF(84, 26));
}

void scarab(QPainter& p) {
  p.setPen(QPen(QColor(10, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1})  // legs
    for (int k = 0; k < 3; ++k) {
      const qreal y = 58 + k * 16;
      p.drawLine(QPointF(62.5 + side * 20, y), QPointF(62.5 + side * 44, y + (k - 1) * 10));
    }
  p.setBrush(QColor(20, 60, 60));
  p.drawEllipse(QRectF(46, 16, 33, 22));  // head
  QRadialGradient shell(QPointF(54, 56), 50);
  shell.setColorAt(0, QColor(120, 240, 220));
  shell.setColorAt(0.6, kTurquoise.darker(130));
  shell.setColorAt(1, QColor(10, 60, 90));
  p.setBrush(shell);
  p.drawEllipse(QRectF(32, 32, 61, 80));
  p.setPen(QPen(QColor(10, 40, 40), 2));
  p.drawLine(QPointF(62.5, 44), QPointF(62.5, 110));
  p.setPen(QPen(kGold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(36, 30, 53, 30), 200 * 16, 140 * 16);
}

void dog(QPainter& p) {
  // The jackal's head in profile, facing left, with tall ears and a gold collar.
  QPainterPath head;
  head.moveTo(14, 66);   // nose
  head.lineTo(46, 52);
  head.lineTo(58, 10);   // front ear
  head.lineTo(70, 44);
  head.lineTo(80, 8);    // back ear
  head.lineTo(90, 50);
  head.quadTo(104, 70, 96, 96);
  head.lineTo(62, 96);
  head.quadTo(54, 78, 36, 78);
  head.lineTo(16, 74);
  head.closeSubpath();
  QLinearGradient g(0, 10, 0, 96);
  g.setColorAt(0, QColor(70, 70, 80));
  g.setColorAt(1, QColor(10, 10, 16));
  p.setPen(QPen(kGold, 2.5));
  p.setBrush(g);
  p.drawPath(head);
  p.setPen(Qt::NoPen);
  p.setBrush(kGoldLight);
  p.drawEllipse(QPointF(62, 56), 5, 3.5);
  p.setBrush(goldGradient(QRectF(56, 94, 48, 22)));
  p.setPen(QPen(kGoldDark, 2));
  p.drawRoundedRect(QRectF(56, 94, 48, 20), 4, 4);
  p.setPen(QPen(kLapis, 3));
  for (int x = 64; x < 100; x += 10) p.drawLine(QPointF(x, 97), QPointF(x, 111));
}

void cobra(QPainter& p) {
  QPainterPath body;  // coiled tail
  p.setPen(QPen(QColor(20, 70, 20), 3));
  QLinearGradient g(0, 0, 125, 0);
  g.setColorAt(0, QColor(60, 150, 40));
  g.setColorAt(1, QColor(20, 90, 20));
  p.setBrush(g);
  p.drawEllipse(QRectF(18, 92, 89, 24));
  QPainterPath hood;
  hood.moveTo(62.5, 12);
  hood.cubicTo(100, 18, 104, 60, 76, 100);
  hood.lineTo(49, 100);
  hood.cubicTo(21, 60, 25, 18, 62.5, 12);
  p.drawPath(hood);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 210, 110));
  QPainterPath belly;
  belly.moveTo(62.5, 34);
  belly.cubicTo(78, 44, 74, 80, 68, 100);
  belly.lineTo(57, 100);
  belly.cubicTo(51, 80, 47, 44, 62.5, 34);
  p.drawPath(belly);
  p.setBrush(QColor(200, 30, 20));
  p.drawEllipse(QPointF(52, 30), 4, 4);
  p.drawEllipse(QPointF(73, 30), 4, 4);
  p.setPen(QPen(QColor(200, 20, 20), 2));
  p.drawLine(QPointF(62.5, 40), QPointF(62.5, 50));
}

}  // namespace

void paintQueenPortrait(QPainter& p, qreal glow) {
  const QRectF r(0, 0, kCellPx, kCellPx);
  QRadialGradient bg(r.center(), 75);
  bg.setColorAt(0, QColor(120, 60, 160).lighter(100 + static_cast<int>(60 * glow)));
  bg.setColorAt(1, QColor(30, 10, 60));
  p.fillRect(r, bg);
  // Headdress: striped lapis and gold falling to the shoulders.
  QPainterPath dress;
  dress.moveTo(30, 30);
  dress.quadTo(62.5, 4, 95, 30);
  dress.lineTo(104, 104);
  dress.lineTo(21, 104);
  dress.closeSubpath();
  p.setPen(QPen(kGoldDark, 2));
  p.setBrush(kLapis);
  p.drawPath(dress);
  p.save();
  p.setClipPath(dress);
  p.setPen(QPen(kGold, 5));
  for (int y = 20; y < 110; y += 12) p.drawLine(QPointF(0, y), QPointF(125, y));
  p.restore();
  // Face.
  QPainterPath face;
  face.moveTo(42, 40);
  face.quadTo(62.5, 28, 83, 40);
  face.quadTo(86, 80, 62.5, 92);
  face.quadTo(39, 80, 42, 40);
  QLinearGradient skin(0, 30, 0, 92);
  skin.setColorAt(0, QColor(214, 160, 110));
  skin.setColorAt(1, QColor(170, 110, 70));
  p.setBrush(skin);
  p.setPen(QPen(QColor(100, 60, 30), 1.5));
  p.drawPath(face);
  // Eyes with kohl, lips.
  p.setPen(QPen(QColor(10, 10, 10), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(47, 56), QPointF(58, 55));
  p.drawLine(QPointF(67, 55), QPointF(78, 56));
  p.drawLine(QPointF(78, 56), QPointF(84, 53));
  p.drawLine(QPointF(47, 56), QPointF(41, 53));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(53, 57), 2.5, 2);
  p.drawEllipse(QPointF(72, 57), 2.5, 2);
  p.setBrush(QColor(170, 30, 50));
  p.drawEllipse(QPointF(62.5, 78), 6, 2.8);
  // Crown cobra and collar.
  p.setBrush(goldGradient(QRectF(54, 14, 17, 22)));
  p.setPen(QPen(kGoldDark, 1.5));
  p.drawEllipse(QRectF(56, 18, 13, 16));
  p.setBrush(goldGradient(QRectF(26, 96, 73, 29)));
  p.drawChord(QRectF(22, 90, 81, 50), 0, 180 * 16);
  p.setPen(QPen(kTurquoise, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(30, 96, 65, 40), 20 * 16, 140 * 16);
  // The word.
  outlinedText(p, QRectF(0, 100, 125, 25), QStringLiteral("WILD"), 20, kGoldLight,
               QColor(60, 0, 40));
  if (glow > 0) {
    QRadialGradient shine(QPointF(62.5, 62.5), 80);
    shine.setColorAt(0.6, QColor(255, 240, 180, 0));
    shine.setColorAt(1, QColor(255, 220, 120, static_cast<int>(150 * glow)));
    p.fillRect(r, shine);
  }
}

void paintPyramids(QPainter& p, qreal phase, qreal glow) {
  const QRectF r(0, 0, kCellPx, kCellPx);
  p.fillRect(r, verticalGradient(r, QColor(255, 150, 60), QColor(250, 220, 150)));
  // Sun and its rays.
  const QPointF sun(90, 34);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 200, 90 + static_cast<int>(120 * glow)));
  for (int i = 0; i < 12; ++i) {
    const qreal a = (i / 12.0 + phase / 12.0) * 2 * kPi;
    QPainterPath ray;
    ray.moveTo(sun);
    ray.lineTo(sun + QPointF(std::cos(a - 0.1), std::sin(a - 0.1)) * 90);
    ray.lineTo(sun + QPointF(std::cos(a + 0.1), std::sin(a + 0.1)) * 90);
    ray.closeSubpath();
    p.drawPath(ray);
  }
  p.setBrush(QColor(255, 240, 120));
  p.drawEllipse(sun, 15 + 3 * glow, 15 + 3 * glow);
  p.restore();
  auto pyramid = [&](qreal left, qreal right, qreal top) {
    const qreal mid = (left + right) / 2;
    QPainterPath lit, shade;
    lit.moveTo(left, 104);
    lit.lineTo(mid, top);
    lit.lineTo(mid + (right - mid) * 0.25, 104);
    lit.closeSubpath();
    shade.moveTo(mid, top);
    shade.lineTo(right, 104);
    shade.lineTo(mid + (right - mid) * 0.25, 104);
    shade.closeSubpath();
    p.setPen(QPen(QColor(110, 70, 20), 1.5));
    p.setBrush(QColor(240, 196, 100));
    p.drawPath(lit);
    p.setBrush(QColor(176, 120, 50));
    p.drawPath(shade);
  };
  pyramid(56, 122, 48);
  pyramid(2, 86, 30);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 170, 90));
  p.drawRect(QRectF(0, 102, 125, 23));
  outlinedText(p, QRectF(0, 100, 125, 25), QStringLiteral("SCATTER"), 16, QColor(255, 255, 255),
               QColor(120, 30, 0));
}

void paintSymbolCell(QPainter& p, Symbol s) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (s) {
    case Symbol::Wild: paintQueenPortrait(p, 0); return;
    case Symbol::Scatter: paintPyramids(p, 0, 0); return;
    default: break;
  }
  const QColor tints[] = {QColor(190, 230, 190), QColor(240, 190, 190), QColor(190, 200, 240),
                          QColor(245, 200, 225), QColor(190, 210, 245), QColor(245, 225, 170),
                          QColor(245, 205, 205), QColor(180, 230, 225), QColor(205, 205, 215),
                          QColor(200, 235, 185)};
  cellBackground(p, tints[static_cast<int>(s)]);
  switch (s) {
    case Symbol::J: letter(p, QStringLiteral("J"), QColor(30, 150, 60)); break;
    case Symbol::K: letter(p, QStringLiteral("K"), QColor(200, 30, 40)); break;
    case Symbol::Q: letter(p, QStringLiteral("Q"), QColor(40, 70, 200)); break;
    case Symbol::Lotus: lotus(p); break;
    case Symbol::Eye: eye(p); break;
    case Symbol::Ankh: ankh(p); break;
    case Symbol::Ring: ring(p); break;
    case Symbol::Scarab: scarab(p); break;
    case Symbol::Dog: dog(p); break;
    case Symbol::Cobra: cobra(p); break;
    default: break;
  }
}

}  // namespace quov::art
