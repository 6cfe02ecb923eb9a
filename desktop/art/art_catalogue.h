// Every picture the game shows, by key: a reel symbol, a picture of an image
// list (with an optional overlay), or an element's own art chosen by the
// element's name. A side screen's pictures are named by screen and element
// ("popupquov.Picture1"), and its ground by the screen ("quovpays"; "form"
// for the plain one). Each is painted in its own design pixels.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <utility>
#include <vector>

#include "platform/element.h"
#include "rules/symbols.h"

namespace quov::art {

struct ArtKey {
  QString name;  // own art of an element; "symbol" for a reel cell
  ImageListId list = ImageListId::None;
  int index = 0;    // list picture, or the symbol
  int overlay = 0;  // list picture drawn over `index`
  QSizeF design;    // the picture's design size in pixels

  static ArtKey symbol(Symbol s);
  static ArtKey listPicture(ImageListId list, int index, int overlay = 0);
  static ArtKey own(const QString& name, QSizeF design);
  QString id() const;
};

// Whether an element's own art exists for `name`.
bool hasOwnArt(const QString& name);
// Paints `key` in its design coordinates (0,0)-(design).
void paintArt(QPainter& p, const ArtKey& key);
// The control bar needs the places of the buttons it carries.
void setControlBarButtons(std::vector<std::pair<QString, QRectF>> buttons);

}  // namespace quov::art
