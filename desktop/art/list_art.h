// The image lists: scatter frames and the cell frame, the queen's portrait
// frames and the multiplier badges, the line numbers, the cards, and the
// jackpot-won banners. Pictures are numbered from 1.
#pragma once

#include <QPainter>
#include <QSizeF>

#include "platform/element.h"

namespace quov::art {

// How many pictures a list holds, and the natural size of one.
int listCount(ImageListId list);
QSizeF listPictureSize(ImageListId list, int index);
// Paints picture `index` of `list` in its natural size at the origin. A
// badge or the cell frame leaves the rest transparent, for overlays.
void paintListPicture(QPainter& p, ImageListId list, int index);

}  // namespace quov::art
