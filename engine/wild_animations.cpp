// The wild animations after a winning spin: the portrait frames over every
// wild in normal play, and in free spins the same frames with the drawn
// multiplier's badge laid over them.
#include "engine/quov.h"
#include "engine/rules/free_spins.h"

namespace quov {

namespace {

constexpr int kPortraitFrames = 28;     // ImageList2 pictures 1..28
constexpr int kBadgedPortraitFrames = 27;  // the badged animation cycles 1..27
constexpr int kBadgeFrames = 4;

// Whether `cell` is one of reel `reel`'s three cells.
bool onReel(int reel, int cell) {
  for (int row = Top; row <= Bottom; ++row)
    if (cellCode(reel, row) == cell) return true;
  return false;
}

}  // namespace

void Quov::Timer4_tick() {
  symbolframe += 1;
  if (symbolframe > kPortraitFrames) symbolframe = 1;
  for (int r = 2; r <= 4; ++r)
    if (onReel(r, wildcell[r])) flasher[wildcell[r]].setPicture(ImageListId::ImageList2, symbolframe);
}

void Quov::timerwild_tick() {
  if (freespinmult == 1) return;  // no wild took part: no badge to show
  if (const int last = badgeForMultiplier(freespinmult)) wildpicfirst = last;
  wildpic += 1;
  if (wildpic > wildpicfirst) wildpic = wildpicfirst - (kBadgeFrames - 1);
  wildticks += 1;
  if (wildticks > kBadgedPortraitFrames) wildticks = 1;
  if (wildpic < 1) wildpic = 3;
  for (int r = 2; r <= 4; ++r) {
    if (!onReel(r, wildcell[r])) continue;
    Element& frame = flasher[wildcell[r]];
    frame.setPicture(ImageListId::ImageList2, wildticks);
    frame.setPicture(ImageListId::ImageList2, wildticks, wildpic);
  }
}

}  // namespace quov
