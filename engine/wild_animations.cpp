// The wild animations after a winning spin: the portrait frames over every
// wild in normal play, and in free spins the same frames with the drawn
// multiplier's badge laid over them.
#include "engine/wild_animations.h"

#include "mainscreen/quov.h"
#include "rules/free_spins.h"

namespace quov {

namespace {

constexpr int kPortraitFrames = 28;        // ImageList2 pictures 1..28
constexpr int kBadgedPortraitFrames = 27;  // the badged animation cycles 1..27
constexpr int kBadgeFrames = 4;

// Whether `cell` is one of reel `reel`'s three cells.
bool onReel(int reel, int cell) {
  for (int row = Top; row <= Bottom; ++row)
    if (cellCode(reel, row) == cell) return true;
  return false;
}

}  // namespace

void WildAnimations::Timer4_tick() {
  state_.symbolframe += 1;
  if (state_.symbolframe > kPortraitFrames) state_.symbolframe = 1;
  for (int r = 2; r <= 4; ++r)
    if (onReel(r, q.wildcell[r]))
      q.flasher[q.wildcell[r]].setPicture(ImageListId::ImageList2, state_.symbolframe);
}

void WildAnimations::timerwild_tick() {
  if (q.freespinmult == 1) return;  // no wild took part: no badge to show
  if (const int last = badgeForMultiplier(q.freespinmult)) state_.wildpicfirst = last;
  state_.wildpic += 1;
  if (state_.wildpic > state_.wildpicfirst)
    state_.wildpic = state_.wildpicfirst - (kBadgeFrames - 1);
  state_.wildticks += 1;
  if (state_.wildticks > kBadgedPortraitFrames) state_.wildticks = 1;
  if (state_.wildpic < 1) state_.wildpic = 3;
  for (int r = 2; r <= 4; ++r) {
    if (!onReel(r, q.wildcell[r])) continue;
    Element& frame = q.flasher[q.wildcell[r]];
    frame.setPicture(ImageListId::ImageList2, state_.wildticks);
    frame.setPicture(ImageListId::ImageList2, state_.wildticks, state_.wildpic);
  }
}

}  // namespace quov
