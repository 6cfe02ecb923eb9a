#include "platform/qt/art/art_catalogue.h"

#include "platform/qt/art/board_art.h"
#include "platform/qt/art/button_art.h"
#include "platform/qt/art/cabinet_art.h"
#include "platform/qt/art/figure_art.h"
#include "platform/qt/art/list_art.h"
#include "platform/qt/art/symbol_art.h"

namespace quov::art {

namespace {
std::vector<std::pair<QString, QRectF>>& barButtons() {
  static std::vector<std::pair<QString, QRectF>> buttons;
  return buttons;
}
}  // namespace

ArtKey ArtKey::symbol(Symbol s) {
  return {QStringLiteral("symbol"), ImageListId::None, static_cast<int>(s), 0,
          QSizeF(kCellPx, kCellPx)};
}

ArtKey ArtKey::listPicture(ImageListId list, int index, int overlay) {
  return {QString(), list, index, overlay, listPictureSize(list, index)};
}

ArtKey ArtKey::own(const QString& name, QSizeF design) {
  return {name, ImageListId::None, 0, 0, design};
}

QString ArtKey::id() const {
  return QStringLiteral("%1|%2|%3|%4|%5x%6")
      .arg(name)
      .arg(static_cast<int>(list))
      .arg(index)
      .arg(overlay)
      .arg(design.width())
      .arg(design.height());
}

bool hasOwnArt(const QString& name) {
  return isButtonArt(name) || isPanelArt(name) || name == "cabinet" || name == "panfreespin" ||
         name == "Picture" || name == "jackpotframe" || name.startsWith("jackpotball") ||
         name == "zendara1" || name == "gamblewin" || name == "gamblelose" || name == "offer";
}

void setControlBarButtons(std::vector<std::pair<QString, QRectF>> buttons) {
  barButtons() = std::move(buttons);
}

void paintArt(QPainter& p, const ArtKey& key) {
  const QRectF r(QPointF(0, 0), key.design);
  if (key.list != ImageListId::None) {
    paintListPicture(p, key.list, key.index);
    if (key.overlay > 0) paintListPicture(p, key.list, key.overlay);
    return;
  }
  const QString& n = key.name;
  if (n == "symbol") {
    paintSymbolCell(p, static_cast<Symbol>(key.index));
  } else if (n == "cabinet") {
    paintCabinet(p);
  } else if (n == "panfreespin") {
    paintControlBar(p, r, barButtons());
  } else if (n == "Picture") {
    paintReelWindow(p, r);
  } else if (isButtonArt(n)) {
    paintButton(p, n, r, false);
  } else if (isPanelArt(n)) {
    paintPanel(p, n, r);
  } else if (n == "jackpotframe") {
    p.scale(r.width() / kBoardW, r.height() / kBoardH);
    paintJackpotBoard(p);
  } else if (n.startsWith("jackpotball")) {
    paintJackpotBall(p, n.mid(11, 1).toInt(), r);
  } else if (n == "zendara1") {
    paintQueenFigure(p, r);
  } else if (n == "gamblewin" || n == "gamblelose") {
    paintBanner(p, r, n == "gamblewin");
  } else if (n == "offer") {
    paintOfferPicture(p, r);
  }
}

}  // namespace quov::art
