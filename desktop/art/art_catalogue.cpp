#include "desktop/art/art_catalogue.h"

#include <functional>
#include <unordered_map>

#include "desktop/art/board_art.h"
#include "desktop/art/button_art.h"
#include "desktop/art/cabinet_art.h"
#include "desktop/art/figure_art.h"
#include "desktop/art/list_art.h"
#include "desktop/art/paytable_art.h"
#include "desktop/art/recall_art.h"
#include "desktop/art/symbol_art.h"

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

namespace {

// The painters of the elements' own art, by element name; each paints in
// the picture's design coordinates.
using OwnArtPainter = std::function<void(QPainter&, const QString& name, const QRectF& r)>;

const std::unordered_map<QString, OwnArtPainter>& ownArt() {
  static const std::unordered_map<QString, OwnArtPainter> table = [] {
    const OwnArtPainter ball = [](QPainter& p, const QString& n, const QRectF& r) {
      paintJackpotBall(p, n.mid(11, 1).toInt(), r);  // jackpotball11, 21, 31: the colour
    };
    const OwnArtPainter banner = [](QPainter& p, const QString& n, const QRectF& r) {
      paintBanner(p, r, n == QStringLiteral("gamblewin"));
    };
    std::unordered_map<QString, OwnArtPainter> t = {
        {"cabinet", [](QPainter& p, const QString&, const QRectF&) { paintCabinet(p); }},
        {"panfreespin",
         [](QPainter& p, const QString&, const QRectF& r) { paintControlBar(p, r, barButtons()); }},
        {"Picture", [](QPainter& p, const QString&, const QRectF& r) { paintReelWindow(p, r); }},
        {"jackpotframe",
         [](QPainter& p, const QString&, const QRectF& r) {
           p.scale(r.width() / kBoardW, r.height() / kBoardH);
           paintJackpotBoard(p);
         }},
        {"jackpotball11", ball},
        {"jackpotball21", ball},
        {"jackpotball31", ball},
        {"zendara1", [](QPainter& p, const QString&, const QRectF& r) { paintQueenFigure(p, r); }},
        {"gamblewin", banner},
        {"gamblelose", banner},
        {"popupquov.Picture1",
         [](QPainter& p, const QString&, const QRectF& r) { paintOfferPicture(p, r); }},
        {"aboutquov.Picture6",
         [](QPainter& p, const QString&, const QRectF& r) { paintAboutPicture(p, r); }},
        {"quovpays", [](QPainter& p, const QString&, const QRectF& r) { paintPayTable(p, r); }},
        {"form", [](QPainter& p, const QString&, const QRectF& r) { paintFormBackground(p, r); }},
        {"quovrecall",
         [](QPainter& p, const QString&, const QRectF&) { paintRecallBackground(p); }},
    };
    for (const QString& name : buttonArtNames())
      t.emplace(name, [](QPainter& p, const QString& n, const QRectF& r) {
        paintButton(p, n, r, false);
      });
    for (const QString& name : kPanelArt) t.emplace(name, paintPanel);
    return t;
  }();
  return table;
}

}  // namespace

bool hasOwnArt(const QString& name) { return ownArt().count(name) != 0; }

void setControlBarButtons(std::vector<std::pair<QString, QRectF>> buttons) {
  barButtons() = std::move(buttons);
}

void paintArt(QPainter& p, const ArtKey& key) {
  if (key.list != ImageListId::None) {
    paintListPicture(p, key.list, key.index);
    if (key.overlay > 0) paintListPicture(p, key.list, key.overlay);
    return;
  }
  if (key.name == QStringLiteral("symbol")) {
    paintSymbolCell(p, static_cast<Symbol>(key.index));
    return;
  }
  const auto it = ownArt().find(key.name);
  if (it != ownArt().end()) it->second(p, key.name, QRectF(QPointF(0, 0), key.design));
}

}  // namespace quov::art
