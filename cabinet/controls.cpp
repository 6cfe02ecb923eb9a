// The player's controls on the control bar: coins, bet, lines, autoplay,
// the keyboard and the autoplay timer. Every picture button hides itself
// while held down, so the bar's picture beneath shows its pressed look, and
// shows itself again on release.
#include "cabinet/controls.h"

#include <algorithm>

#include "engine/spin_cycle.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "records/player_records.h"
#include "rules/bets.h"
#include "rules/checked.h"
#include "rules/money.h"
#include "sound/sounds.h"

namespace quov {

namespace {

constexpr std::int32_t kCoinCents = 5000;
constexpr int kSpaceKey = 32;
constexpr std::int16_t kAutoplayOn = 10;


constexpr const char* kNoticeTitle = "Slots_quov";
constexpr const char* kNoticeSection = "notice";
constexpr const char* kNoticeKey = "autoplay";

std::string autoplayNotice() {
  const char* lines[] = {
      " ..............PLEASE READ.................",
      " When you use this function all other Functions are",
      "   unavailable to you until you turn the Autoplay OFF ",
      " To turn Autoplay OFF Click on the Auto On/Off button.",
      "  ",
      "  This message will not appear again",
  };
  std::string text;
  for (const char* line : lines) {
    if (!text.empty()) text += '\r';
    text += line;
  }
  return text;
}

}  // namespace

void Controls::coinsin_mousedown() {
  if (q.freespinmode == -1) return;
  // The click is left to sound whole: silencing it straight after its
  // start would cut it to a tick of a few milliseconds.
  sounds.play(Clip::Click);
  q.coinsin.hide();
  q.yield();
  add(q.m.bank, kCoinCents);
  q.events->creditInserted(kCoinCents);
  q.pannomoney.hide();
  add(q.m.amountinvested, kCoinCents);
  q.showCredit();
  q.setInputAllowed(true);
  q.autoplayon.enable();
  q.btnspin.enable();
  q.yield();
}

void Controls::coinsin_mouseup() { q.coinsin.show(); }

void Controls::btnbet_mousedown() {
  q.btnbet.hide();
  // While the reels turn the spin's credit check, debit and pays all use
  // the bet it started with; a new bet waits for the reels to stop.
  if (!q.tmrtick.enabled()) return;
  add(q.betlevel, 1);
  if (q.betlevel > 6) q.betlevel = 1;
  sounds.play(Clip::Click);
  q.setBetPerLineFromLevel();
  q.lblbet.setCaption(std::to_string(q.betperline));
  q.lbllast.setCaption(plainCents(q.totalBet()));
  q.lbltotallast.setCaption(moneyText(q.totalBet()));
  if (q.totalBet() <= q.m.bank) {
    q.btnspin.enable();
    q.pannomoney.hide();
  }
  q.yield();
}

void Controls::btnbet_mouseup() { q.btnbet.show(); }

void Controls::stepLinesFrom(std::int16_t lines) {
  const auto choice = std::find(kLineChoices.begin(), kLineChoices.end(), lines);
  state_.linetoggle = static_cast<std::int16_t>(choice - kLineChoices.begin() + 1);
}

void Controls::payline_mousedown() {
  add(state_.linetoggle, 1);
  if (state_.linetoggle > 5) state_.linetoggle = 1;
  q.payline.hide();
  sounds.play(Clip::Click);
  q.linesplayed = static_cast<std::int16_t>(kLineChoices[state_.linetoggle - 1]);
  q.lbllines.setCaption(std::to_string(q.linesplayed));
  q.lbllast.setCaption(plainCents(q.totalBet()));
  q.lbltotallast.setCaption(moneyText(q.totalBet()));
  for (q.loopc = 1; q.loopc <= kLines; ++q.loopc)
    q.lin[q.loopc].setPicture(ImageListId::Linepics, q.loopc);
  q.lin[26].setPicture(ImageListId::Linepics, 1);
  for (q.loopc = static_cast<std::int16_t>(q.linesplayed + 1); q.loopc <= kLines; ++q.loopc)
    q.lin[q.loopc].setPicture(ImageListId::Linepics, q.loopc + kLines);
  q.hideCellFrames();
  if (q.totalBet() <= q.m.bank) {
    q.btnspin.enable();
    q.pannomoney.hide();
  }
}

void Controls::payline_mouseup() { q.payline.show(); }

void Controls::autoplayon_mousedown() {
  q.autoplayon.hide();
  add(state_.autotoggle, 1);
  q.autopause = timing::kAutoplayFirstPause;
  if (state_.autotoggle > 1) state_.autotoggle = 0;

  if (state_.autotoggle == 1) {
    // The notice explains autoplay once per settings store, for every slot.
    parseInto(state_.autonotice, q.p.store.read(kPlayerApp, kNoticeSection, kNoticeKey));
    if (state_.autonotice == 0)
      q.p.messages.show(autoplayNotice(), kNoticeTitle, MsgIcon::Information, MsgButtons::Ok);
    // The game ended while the notice was open: autoplay stays off.
    if (q.p.loop.ended()) return;
    state_.autonotice = -1;
    q.p.store.write(kPlayerApp, kNoticeSection, kNoticeKey, "-1");
    q.p.store.flush();
    q.tmrautospin.enable();
    q.autoplaymode = kAutoplayOn;
    q.btnspin.disable();
    q.btnbet.disable();
    q.btnoptions.disable();
    q.btnopenmenu.disable();
    spinCycle.btnstartall_click();
    q.yield();
    return;
  }

  q.yield();
  q.autoplaymode = 0;
  q.tmrautospin.disable();
  // Switched off while the reels turn: the running spin press gives the
  // controls back when its spin has ended, and the idle ticker allows input.
  if (!q.tmrtick.enabled()) return;
  q.btnspin.enable();
  q.btnbet.enable();
  q.payline.enable();
  q.btnoptions.enable();
  q.coinsin.enable();
  q.setInputAllowed(true);
  q.btnopenmenu.enable();
}

void Controls::autoplayon_mouseup() { q.autoplayon.show(); }

void Controls::Form_KeyPress(int& keyAscii) {
  if (!q.inputAllowed() || q.freespinmode == -1) return;
  if (q.m.bank < q.totalBet()) {
    sounds.play(Clip::NoMoney);
    q.pannomoney.show();
    q.events->noMoney();
    return;
  }
  // Keys do nothing while the player's buttons are away (a free-spin award,
  // jackpot time, the payline view) or autoplay presses the spins.
  if (!q.panfreespin.visible || q.autoplaymode == kAutoplayOn) keyAscii = 0;
  add(q.keycount, 1);
  if (q.keycount > 1) return;
  if (keyAscii == kSpaceKey) {
    spinCycle.btnstartall_click();
    q.keycount = 0;
  }
  q.autoplayon.enable();
  q.setInputAllowed(false);
}

void Controls::tmrautospin_tick() {
  if (q.autoplaymode >= 1 && q.idleticks >= q.autopause) {
    q.idleticks = 0;
    spinCycle.btnstartall_click();
  }
}

}  // namespace quov
