#include "desktop/art/paytable_art.h"

#include <QPainterPath>
#include <QStringList>

#include "desktop/art/palette.h"
#include "desktop/art/symbol_art.h"
#include "screens/pay_sheet.h"

namespace quov::art {

namespace {

const QColor kText(255, 250, 232);
const QColor kSoft(210, 215, 245);
const QString kTimes = QStringLiteral("\u00D7");

// "a", "a and b", "a, b and c".
QString spokenList(const QStringList& items, const QString& last) {
  if (items.size() < 2) return items.join(QString());
  return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + ' ' + last + ' ' +
         items.back();
}

QString wildReels(const PaySheet& sheet) {
  QStringList reels;
  for (int r : sheet.wildReels) reels << QString::number(r);
  return spokenList(reels, QStringLiteral("and"));
}

QString multipliers(const PaySheet& sheet) {
  QStringList items;
  for (int v : sheet.multipliers) items << kTimes + QString::number(v);
  return spokenList(items, QStringLiteral("or"));
}

void symbolPicture(QPainter& p, Symbol s, const QRectF& r) {
  p.save();
  QPainterPath frame;
  frame.addRoundedRect(r, 6, 6);
  p.setClipPath(frame);
  p.translate(r.topLeft());
  p.scale(r.width() / kCellPx, r.height() / kCellPx);
  paintSymbolCell(p, s);
  p.restore();
  p.save();
  p.setPen(QPen(goldGradient(r), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 6, 6);
  p.restore();
}

// One symbol's card: its picture and its pays, the longest run first.
void payCard(QPainter& p, const PaySheet::SymbolPays& row, const QRectF& r) {
  goldPlate(p, r, 8, kDeepBlue, 2);
  const qreal art = 40;
  symbolPicture(p, row.symbol, QRectF(r.left() + 6, r.center().y() - art / 2, art, art));
  const qreal lineH = 17, x = r.left() + art + 12, w = r.right() - 7 - x;
  const qreal top = r.center().y() - lineH * static_cast<qreal>(row.pays.size()) / 2;
  for (std::size_t i = 0; i < row.pays.size(); ++i) {
    const QRectF line(x, top + static_cast<qreal>(i) * lineH, w, lineH);
    plainText(p, line, QString::number(row.pays[i].count), 11, kGold,
              Qt::AlignLeft | Qt::AlignVCenter);
    plainText(p, line, QString::number(row.pays[i].multiple), 12.5, kText,
              Qt::AlignRight | Qt::AlignVCenter);
  }
}

void heading(QPainter& p, const QRectF& r, const QString& text) {
  outlinedText(p, r, text, 15, kGoldLight, QColor(40, 10, 0), Qt::AlignLeft | Qt::AlignVCenter);
}

void body(QPainter& p, const QRectF& r, const QString& text, qreal size = 11) {
  plainText(p, r, text, size, kSoft, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, false);
}

void wildPanel(QPainter& p, const PaySheet& sheet, const QRectF& r) {
  goldPlate(p, r, 10, kPurple, 2);
  p.save();
  QPainterPath frame;
  const QRectF art(r.left() + 8, r.top() + 8, 60, 60);
  frame.addRoundedRect(art, 6, 6);
  p.setClipPath(frame);
  p.translate(art.topLeft());
  p.scale(art.width() / kCellPx, art.height() / kCellPx);
  paintQueenPortrait(p, 0.4);
  p.restore();
  const qreal x = r.left() + 76;
  heading(p, QRectF(x, r.top() + 6, r.right() - x - 6, 20), QStringLiteral("WILD"));
  body(p, QRectF(x, r.top() + 28, r.right() - x - 6, 44),
       QStringLiteral("On reels %1. Stands for every line symbol.").arg(wildReels(sheet)));
  body(p, QRectF(r.left() + 10, r.top() + 74, r.width() - 18, r.height() - 78),
       QStringLiteral("In free spins it holds its reel for one more spin, and a win through it "
                      "pays %1.")
           .arg(multipliers(sheet)));
}

void scatterPanel(QPainter& p, const PaySheet& sheet, const QRectF& r) {
  goldPlate(p, r, 10, kPurple, 2);
  const QRectF art(r.left() + 8, r.top() + 8, 60, 60);
  p.save();
  QPainterPath frame;
  frame.addRoundedRect(art, 6, 6);
  p.setClipPath(frame);
  p.translate(art.topLeft());
  p.scale(art.width() / kCellPx, art.height() / kCellPx);
  paintPyramids(p, 0.2, 0.6);
  p.restore();
  const qreal x = r.left() + 76;
  heading(p, QRectF(x, r.top() + 6, r.right() - x - 6, 20), QStringLiteral("SCATTER"));
  body(p, QRectF(x, r.top() + 28, r.right() - x - 6, 44),
       QStringLiteral("Pays anywhere, %1 total bet.").arg(kTimes));
  // The scatter pays, most scatters first, in two columns.
  const qreal gap = 22, colW = (r.width() - 20 - gap) / 2, rowH = 17;
  for (std::size_t i = 0; i < sheet.scatterPays.size(); ++i) {
    const QRectF cell(r.left() + 10 + static_cast<qreal>(i % 2) * (colW + gap),
                      r.top() + 74 + static_cast<qreal>(i / 2) * rowH, colW, rowH);
    plainText(p, cell, QString::number(sheet.scatterPays[i].count), 12, kGold,
              Qt::AlignLeft | Qt::AlignVCenter);
    plainText(p, cell, kTimes + QString::number(sheet.scatterPays[i].multiple), 13, kText,
              Qt::AlignRight | Qt::AlignVCenter);
  }
}

void freeSpinPanel(QPainter& p, const PaySheet& sheet, const QRectF& r) {
  goldPlate(p, r, 10, kPurple, 2);
  heading(p, QRectF(r.left() + 10, r.top() + 6, r.width() - 20, 20), QStringLiteral("FREE SPINS"));
  qreal y = r.top() + 30;
  for (const PaySheet::Award& award : sheet.awards) {
    const QRectF row(r.left() + 10, y, r.width() - 20, 17);
    plainText(p, row, QStringLiteral("%1 scatters").arg(award.scatters), 12, kGold,
              Qt::AlignLeft | Qt::AlignVCenter);
    plainText(p, row, QString::number(award.freeSpins), 13, kText,
              Qt::AlignRight | Qt::AlignVCenter);
    y += 17;
  }
  body(p, QRectF(r.left() + 10, y + 4, r.width() - 20, r.bottom() - y - 8),
       QStringLiteral("Scatters in free spins add more free spins."), 10.5);
}

}  // namespace

void paintPayTable(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(r.topLeft());
  p.scale(r.width() / kPayTableW, r.height() / kPayTableH);
  const QRectF all(0, 0, kPayTableW, kPayTableH);
  p.fillRect(all, kNight);
  goldPlate(p, all, 12, QColor(30, 24, 84), 4);

  outlinedText(p, QRectF(20, 12, 360, 44), QStringLiteral("PAYTABLE"), 34, kGoldLight,
               QColor(60, 20, 0), Qt::AlignLeft | Qt::AlignVCenter, 3);
  body(p, QRectF(22, 58, 360, 18),
       QStringLiteral("Line wins %1 bet per line, in a row from the left reel.").arg(kTimes),
       12);
  body(p, QRectF(22, 76, 360, 18), QStringLiteral("One win per played line; scatter wins add."),
       12);

  const PaySheet sheet = paySheet();
  const qreal left = 12, top = 102, gap = 6, cardH = 102;
  const qreal cardW = (kPayTableW - 2 * left - 4 * gap) / 5;
  for (std::size_t i = 0; i < sheet.symbols.size(); ++i) {
    const qreal x = left + static_cast<qreal>(i % 5) * (cardW + gap);
    const qreal y = top + static_cast<qreal>(i / 5) * (cardH + gap);
    payCard(p, sheet.symbols[i], QRectF(x, y, cardW, cardH));
  }

  const qreal bandTop = top + 2 * cardH + gap + 8, bandH = kPayTableH - 12 - bandTop;
  wildPanel(p, sheet, QRectF(left, bandTop, 216, bandH));
  scatterPanel(p, sheet, QRectF(left + 222, bandTop, 170, bandH));
  freeSpinPanel(p, sheet, QRectF(left + 398, bandTop, kPayTableW - 2 * left - 398, bandH));
  p.restore();
}

}  // namespace quov::art
