// The menu panel and the navigation to the side screens and the payline
// view, and the refresher that keeps the cabinet's picture buttons visible.
#include "engine/quov.h"

namespace quov {

namespace {
constexpr int kMenuClip = 128;
constexpr int kClickClip = 130;
}  // namespace

void Quov::btnopenmenu_mousemove() {
  if (freespinmode == -1) return;
  menupic.show();
}

void Quov::Form_MouseMove() { menupic.hide(); }

void Quov::btnoptions_click() {
  if (freespinmode == -1 || autoplaymode == 10) return;
  if (pandouble.visible) return;
  playClip(kClickClip);
  doublebutton.disable();
  // The options screen gives the main screen back when it closes.
  screen.enabled = false;
  quovoptions.visible = true;
}

void Quov::about_click() {
  if (freespinmode == -1) return;
  playClip(kMenuClip);
  aboutquov.visible = true;
  menupic.hide();
}

void Quov::mnuviewpaytable_click() {
  if (freespinmode == -1) return;
  playClip(kMenuClip);
  pannomoney.hide();
  // The pay table gives the main screen back when it closes.
  screen.enabled = false;
  quovpays.visible = true;
  menupic.hide();
}

void Quov::viewpaylines_click() {
  playClip(kMenuClip);
  takewin.hide();
  tmrlineflash.disable();
  tmrautospin.disable();
  HidePaylines();
  yield();
  // With the reels away every marker draws its whole line.
  panfreespin.hide();
  for (int r = 1; r <= kReels; ++r) {
    reel[r].hide();
    Picture[r].hide();
  }
  for (int k = 1; k <= 26; ++k) {
    lin[k].enable();
    lin[k].show();
  }
  lin[26].enable();
  yield();
  tmrlineflash.disable();
  Timerscatters.disable();
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
  screen.keyPreview = false;
  Btnreturn2game.show();
  yield();
  menupic.hide();
}

void Quov::Btnreturn2game_click() {
  tmrlineflash.enable();  // the last spin's winning lines flash again
  if (autoplaymode > 0) tmrautospin.enable();
  HidePaylines();
  for (int r = 1; r <= kReels; ++r) {
    reel[r].show();
    Picture[r].show();
  }
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
  panfreespin.show();
  screen.keyPreview = true;
  Btnreturn2game.hide();
  for (int k = 1; k <= kLines; ++k) {
    lin[k].disable();
    lin[k].show();
  }
  lin[26].show();  // the second marker of line 1 stays enabled
}

void Quov::tmrshowbuttons_tick() {
  btnoptions.show();
  btnopenmenu.show();
  autoplayon.show();
  doublebutton.show();
  btnspin.show();
  yield();
}

}  // namespace quov
