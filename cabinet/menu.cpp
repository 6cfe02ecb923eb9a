// The menu panel and the navigation to the side screens and the payline
// view, and the refresher that keeps the cabinet's picture buttons visible.
#include "cabinet/menu.h"

#include "engine/gamble.h"
#include "mainscreen/quov.h"
#include "presentation/paylines.h"
#include "records/options_screen.h"
#include "screens/about_screen.h"
#include "screens/help_screen.h"
#include "screens/pays_screen.h"
#include "sound/sounds.h"

namespace quov {

void Menu::btnopenmenu_mousemove() {
  if (q.freespinmode == -1) return;
  q.menupic.show();
}

void Menu::Form_MouseMove() { q.menupic.hide(); }

void Menu::btnoptions_click() {
  if (q.freespinmode == -1 || q.autoplaymode == 10) return;
  if (gamble.open()) return;
  sounds.play(Clip::Click);
  q.doublebutton.disable();
  // The options screen gives the main screen back when it closes.
  q.screen.enabled = false;
  options.Form_Load();
}

void Menu::about_click() {
  if (q.freespinmode == -1) return;
  sounds.play(Clip::MenuClick);
  aboutScreen.Form_Load();
  q.menupic.hide();
}

// HELP, like ABOUT, leaves the cabinet in play beside it; reading the help
// is harmless at any moment, free spins included.
void Menu::mnuhelp_click() {
  sounds.play(Clip::MenuClick);
  helpScreen.Form_Load();
  q.menupic.hide();
}

// CHARTS opens the charts of the current player as the options screen's
// button does; they stand beside the cabinet, which plays on, and follow
// the games as they are played, free spins included.
void Menu::mnucharts_click() {
  sounds.play(Clip::MenuClick);
  options.btncharts_click();
  q.menupic.hide();
}

void Menu::mnuviewpaytable_click() {
  if (q.freespinmode == -1) return;
  sounds.play(Clip::MenuClick);
  q.pannomoney.hide();
  // The pay table gives the main screen back when it closes.
  q.screen.enabled = false;
  pays.Form_Load();
  pays.CenterForm(pays.screen);
  q.menupic.hide();
}

void Menu::viewpaylines_click() {
  sounds.play(Clip::MenuClick);
  q.takewin.hide();
  q.tmrlineflash.disable();
  q.tmrautospin.disable();
  paylines.HidePaylines();
  q.yield();
  // With the reels away every marker draws its whole line.
  q.panfreespin.hide();
  for (int r = 1; r <= kReels; ++r) {
    q.reel[r].hide();
    q.Picture[r].hide();
  }
  for (int k = 1; k <= 26; ++k) {
    q.lin[k].enable();
    q.lin[k].show();
  }
  q.lin[26].enable();
  q.yield();
  q.tmrlineflash.disable();
  q.Timerscatters.disable();
  q.hideCellFrames();
  q.screen.keyPreview = false;
  q.Btnreturn2game.show();
  q.yield();
  q.menupic.hide();
}

void Menu::Btnreturn2game_click() {
  q.tmrlineflash.enable();  // the last spin's winning lines flash again
  if (q.autoplaymode > 0) q.tmrautospin.enable();
  paylines.HidePaylines();
  for (int r = 1; r <= kReels; ++r) {
    q.reel[r].show();
    q.Picture[r].show();
  }
  q.hideCellFrames();
  // A series waiting for its collect gets COLLECT back, and the control bar
  // stays away until it is pressed: a spin now would drop the series total.
  if (q.freespinsgiven > 0 && q.freespinmode == 0)
    q.takewin.show();
  else
    q.panfreespin.show();
  q.screen.keyPreview = true;
  q.Btnreturn2game.hide();
  for (int k = 1; k <= kLines; ++k) {
    q.lin[k].disable();
    q.lin[k].show();
  }
  q.lin[26].show();  // the second marker of line 1 stays enabled
}

void Menu::tmrshowbuttons_tick() {
  q.btnoptions.show();
  q.btnopenmenu.show();
  q.autoplayon.show();
  q.doublebutton.show();
  q.btnspin.show();
  q.yield();
}

}  // namespace quov
