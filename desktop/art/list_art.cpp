#include "desktop/art/list_art.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "desktop/art/button_art.h"
#include "desktop/art/palette.h"
#include "desktop/art/symbol_art.h"

namespace quov::art {

namespace {

constexpr qreal kPi = 3.14159265358979;

void cellFrame(QPainter& p, qreal strength) {
  const QRectF r(3, 3, kCellPx - 6, kCellPx - 6);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 230, 120, static_cast<int>(90 * strength)), 10));
  p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 8, 8);
  p.setPen(QPen(goldGradient(r), 5));
  p.drawRoundedRect(r, 8, 8);
}

void scatterFrame(QPainter& p, int frame) {  // 1..13
  const qreal phase = (frame - 1) / 13.0;
  const qreal glow = 0.5 + 0.5 * std::sin(phase * 2 * kPi);
  paintPyramids(p, frame - 1, glow);
  cellFrame(p, glow);
}

void badge(QPainter& p, int picture) {  // 29..44
  const int group = (picture - 29) / 4, frame = (picture - 29) % 4;
  const QString words[] = {"x2", "x3", "x5", "x10"};
  const QColor colours[] = {QColor(30, 160, 60), QColor(30, 90, 210), QColor(200, 110, 10),
                            QColor(200, 20, 40)};
  const qreal pulse = 1.0 + 0.06 * frame;
  const QPointF c(92, 30);
  const qreal radius = 27 * pulse;
  QRadialGradient g(c - QPointF(6, 6), radius * 1.3);
  g.setColorAt(0, colours[group].lighter(170));
  g.setColorAt(1, colours[group].darker(140));
  p.setPen(QPen(goldGradient(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius)), 4));
  p.setBrush(g);
  p.drawEllipse(c, radius, radius);
  outlinedText(p, QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), words[group],
               group == 3 ? 20 * pulse : 24 * pulse, QColor(255, 255, 240));
}

QColor lineColour(int line) {
  return QColor::fromHsv((line * 67) % 360, 200, 235);
}

void lineTile(QPainter& p, int picture) {  // 1..50
  const bool lit = picture <= 25;
  const int number = lit ? picture : picture - 25;
  const QRectF r(0.5, 0.5, 22, 22);
  p.setPen(QPen(lit ? QColor(255, 240, 190) : QColor(90, 90, 90), 1.2));
  const QColor base = lit ? lineColour(number) : QColor(120, 120, 125);
  p.setBrush(verticalGradient(r, base.lighter(130), base.darker(150)));
  p.drawRoundedRect(r, 4, 4);
  outlinedText(p, r, QString::number(number), number >= 10 ? 11.5 : 13,
               lit ? QColor(255, 255, 255) : QColor(200, 200, 200), QColor(0, 0, 0, 200),
               Qt::AlignCenter, 2);
}

void cardFace(QPainter& p, int suit) {
  const QRectF r(1, 1, 101, 154);
  p.setPen(QPen(QColor(80, 80, 80), 1.5));
  p.setBrush(QColor(252, 250, 244));
  p.drawRoundedRect(r, 8, 8);
  const QColor ink = (suit == 1 || suit == 3) ? QColor(200, 20, 30) : QColor(20, 20, 28);
  plainText(p, QRectF(6, 4, 24, 24), QStringLiteral("A"), 20, ink);
  paintSuit(p, suit, QRectF(9, 28, 16, 16));
  p.save();
  p.translate(103, 156);
  p.rotate(180);
  plainText(p, QRectF(6, 4, 24, 24), QStringLiteral("A"), 20, ink);
  paintSuit(p, suit, QRectF(9, 28, 16, 16));
  p.restore();
  paintSuit(p, suit, QRectF(26, 52, 51, 51));
}

void cardBack(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(60, 40, 10), 1.5));
  p.setBrush(QColor(250, 245, 230));
  p.drawRoundedRect(r, 8, 8);
  const QRectF in = r.adjusted(6, 6, -6, -6);
  p.setBrush(verticalGradient(in, QColor(150, 20, 40), QColor(70, 0, 20)));
  p.setPen(QPen(kGold, 2));
  p.drawRoundedRect(in, 5, 5);
  p.save();
  p.setClipRect(in.adjusted(3, 3, -3, -3), Qt::IntersectClip);
  p.setPen(QPen(QColor(224, 168, 46, 140), 1.2));
  for (qreal d = -160; d < 160; d += 10) {
    p.drawLine(QPointF(in.left() + d, in.top()), QPointF(in.left() + d + 160, in.bottom()));
    p.drawLine(QPointF(in.right() - d, in.top()), QPointF(in.right() - d - 160, in.bottom()));
  }
  p.restore();
  // An eye in the centre.
  p.setBrush(kGoldLight);
  p.setPen(QPen(kGoldDark, 1.5));
  p.drawEllipse(in.center(), 18, 11);
  p.setBrush(kLapis);
  p.drawEllipse(in.center(), 7, 7);
}

// Frame 10 shows the back nearly whole, frame 24 almost gone: the back peels
// away from the top right corner, its curl showing the pale underside.
void peelFrame(QPainter& p, int picture) {
  const qreal gone = (picture - 9) / 16.0;  // 1/16 .. 15/16
  const QRectF r(1, 1, 101, 154);
  const qreal reach = gone * (r.width() + r.height());
  const QPointF a(r.right() - reach, r.top());  // the fold runs from a to b
  const QPointF b(r.right(), r.top() + reach);
  QPainterPath card;
  card.addRect(r);
  QPolygonF corner;
  corner << QPointF(a.x(), a.y() - 400) << a << b << QPointF(b.x() + 400, b.y())
         << QPointF(400, -400);
  QPainterPath cut;
  cut.addPolygon(corner);
  const QPainterPath flat = card.subtracted(cut);
  p.save();
  p.setClipPath(flat);
  cardBack(p, r);
  p.restore();
  // The curl: the folded-over flap in a lighter shade along the fold.
  QPainterPath flap;
  const QPointF mid = (a + b) / 2;
  const QPointF inward = QPointF(-(b.y() - a.y()), (b.x() - a.x())) * 0.12;
  flap.moveTo(a);
  flap.quadTo(mid + inward, b);
  flap.lineTo(a);
  p.save();
  p.setClipPath(card);
  p.setPen(QPen(QColor(120, 100, 70), 1));
  p.setBrush(verticalGradient(QRectF(a, b).normalized(), QColor(255, 250, 235), QColor(200, 190, 160)));
  p.drawPath(flap);
  p.restore();
}

void jackpotWon(QPainter& p, int picture) {  // 1..12
  const int group = (picture - 1) / 4, frame = (picture - 1) % 4;
  const QString words[] = {"MINOR JACKPOT\nWON", "MAJOR JACKPOT\nWON", "GRAND JACKPOT\nWON"};
  const QColor tints[] = {QColor(20, 50, 130), QColor(20, 100, 40), QColor(140, 20, 30)};
  const QRectF r(2, 2, 425, 158);
  goldPlate(p, r, 20, tints[group].lighter(100 + 20 * frame), 6);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {  // twinkles that move with the frame
    const qreal x = 20 + ((i * 61 + frame * 23) % 390), y = 14 + ((i * 37 + frame * 11) % 130);
    p.setBrush(QColor(255, 250, 200, 120 + 30 * ((i + frame) % 4)));
    p.drawEllipse(QPointF(x, y), 2 + (i + frame) % 3, 2 + (i + frame) % 3);
  }
  const QColor text = frame % 2 ? kGoldLight : QColor(255, 255, 255);
  outlinedText(p, r.adjusted(10, 10, -10, -10), words[group], 44, text,
               QColor(60, 20, 0), Qt::AlignCenter, 4);
}

}  // namespace

int listCount(ImageListId list) {
  switch (list) {
    case ImageListId::ImageList1: return 14;
    case ImageListId::ImageList2: return 44;
    case ImageListId::Linepics: return 50;
    case ImageListId::Imagelistcards: return 24;
    case ImageListId::Jackpotwin: return 12;
    case ImageListId::None: break;
  }
  return 0;
}

QSizeF listPictureSize(ImageListId list, int index) {
  switch (list) {
    case ImageListId::ImageList1:
    case ImageListId::ImageList2: return {kCellPx, kCellPx};
    case ImageListId::Linepics: return {23, 23};
    case ImageListId::Imagelistcards:
      return index >= 6 && index <= 9 ? QSizeF(50, 50) : QSizeF(103, 156);
    case ImageListId::Jackpotwin: return {429, 162};
    case ImageListId::None: break;
  }
  return {1, 1};
}

void paintListPicture(QPainter& p, ImageListId list, int index) {
  p.setRenderHint(QPainter::Antialiasing);
  if (index < 1 || index > listCount(list)) return;
  switch (list) {
    case ImageListId::ImageList1:
      if (index == 14) cellFrame(p, 1);
      else scatterFrame(p, index);
      break;
    case ImageListId::ImageList2:
      if (index <= 28) {
        paintQueenPortrait(p, 0.5 + 0.5 * std::sin((index - 1) / 28.0 * 2 * kPi));
        cellFrame(p, 1);
      } else {
        badge(p, index);
      }
      break;
    case ImageListId::Linepics: lineTile(p, index); break;
    case ImageListId::Imagelistcards:
      if (index <= 4) cardFace(p, index);
      else if (index == 5) cardBack(p, QRectF(1, 1, 101, 154));
      else if (index <= 9) {
        p.setPen(QPen(kGoldDark, 1.5));
        p.setBrush(QColor(250, 245, 230));
        p.drawRoundedRect(QRectF(1, 1, 48, 48), 8, 8);
        paintSuit(p, index - 5, QRectF(8, 8, 34, 34));
      } else {
        peelFrame(p, index);
      }
      break;
    case ImageListId::Jackpotwin: jackpotWon(p, index); break;
    case ImageListId::None: break;
  }
}

}  // namespace quov::art
