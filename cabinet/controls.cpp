// The player's controls on the control bar: coins, bet, lines, autoplay,
// the keyboard and the autoplay timer. Every picture button hides itself
// while held down, so the bar's picture beneath shows its pressed look, and
// shows itself again on release.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/timing.h"
#include "records/player_records.h"

namespace quov {

namespace {

constexpr std::int32_t kCoinCents = 5000;
constexpr int kSpaceKey = 32;
constexpr int kClickClip = 130;
constexpr int kNoMoneyClip = 103;
constexpr std::int16_t kAutoplayOn = 10;

constexpr std::int16_t kLineChoices[6] = {0, 1, 5, 10, 15, 25};  // by linetoggle 1..5

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

void Quov::coinsin_mousedown() {
  if (freespinmode == -1) return;
  playClip(kClickClip);
  stopSounds();
  coinsin.hide();
  yield();
  add(m.bank, kCoinCents);
  pannomoney.hide();
  add(m.amountinvested, kCoinCents);
  showCredit();
  setInputAllowed(true);
  autoplayon.enable();
  btnspin.enable();
  yield();
}

void Quov::coinsin_mouseup() { coinsin.show(); }

void Quov::btnbet_mousedown() {
  btnbet.hide();
  // While the reels turn the spin's credit check, debit and pays all use
  // the bet it started with; a new bet waits for the reels to stop.
  if (!tmrtick.enabled()) return;
  add(betlevel, 1);
  if (betlevel > 6) betlevel = 1;
  playClip(kClickClip);
  setBetPerLineFromLevel();
  lblbet.setCaption(std::to_string(betperline));
  lbllast.setCaption(plainCents(totalBet()));
  lbltotallast.setCaption(moneyText(totalBet()));
  if (totalBet() <= m.bank) {
    btnspin.enable();
    pannomoney.hide();
  }
  yield();
}

void Quov::btnbet_mouseup() { btnbet.show(); }

void Quov::payline_mousedown() {
  add(linetoggle, 1);
  if (linetoggle > 5) linetoggle = 1;
  payline.hide();
  playClip(kClickClip);
  linesplayed = kLineChoices[linetoggle];
  lbllines.setCaption(std::to_string(linesplayed));
  lbllast.setCaption(plainCents(totalBet()));
  lbltotallast.setCaption(moneyText(totalBet()));
  for (loopc = 1; loopc <= kLines; ++loopc) lin[loopc].setPicture(ImageListId::Linepics, loopc);
  lin[26].setPicture(ImageListId::Linepics, 1);
  for (loopc = static_cast<std::int16_t>(linesplayed + 1); loopc <= kLines; ++loopc)
    lin[loopc].setPicture(ImageListId::Linepics, loopc + kLines);
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
  if (totalBet() <= m.bank) {
    btnspin.enable();
    pannomoney.hide();
  }
}

void Quov::payline_mouseup() { payline.show(); }

void Quov::autoplayon_mousedown() {
  autoplayon.hide();
  add(autotoggle, 1);
  autopause = timing::kAutoplayFirstPause;
  if (autotoggle > 1) autotoggle = 0;

  if (autotoggle == 1) {
    // The notice explains autoplay once per settings store, for every slot.
    parseInto(autonotice, p.store.read(kPlayerApp, kNoticeSection, kNoticeKey));
    if (autonotice == 0)
      p.messages.show(autoplayNotice(), kNoticeTitle, MsgIcon::Information, MsgButtons::Ok);
    autonotice = -1;
    p.store.write(kPlayerApp, kNoticeSection, kNoticeKey, "-1");
    p.store.flush();
    tmrautospin.enable();
    autoplaymode = kAutoplayOn;
    btnspin.disable();
    btnbet.disable();
    btnoptions.disable();
    btnopenmenu.disable();
    btnstartall_click();
    yield();
    return;
  }

  yield();
  autoplaymode = 0;
  tmrautospin.disable();
  // Switched off while the reels turn: the running spin press gives the
  // controls back when its spin has ended, and the idle ticker allows input.
  if (!tmrtick.enabled()) return;
  btnspin.enable();
  btnbet.enable();
  payline.enable();
  btnoptions.enable();
  coinsin.enable();
  setInputAllowed(true);
  btnopenmenu.enable();
}

void Quov::autoplayon_mouseup() { autoplayon.show(); }

void Quov::Form_KeyPress(int& keyAscii) {
  if (!inputAllowed() || freespinmode == -1) return;
  if (m.bank < totalBet()) {
    playClip(kNoMoneyClip);
    pannomoney.show();
    return;
  }
  // Keys do nothing while the player's buttons are away (a free-spin award,
  // jackpot time, the payline view) or autoplay presses the spins.
  if (!panfreespin.visible || autoplaymode == kAutoplayOn) keyAscii = 0;
  add(keycount, 1);
  if (keycount > 1) return;
  if (keyAscii == kSpaceKey) {
    btnstartall_click();
    keycount = 0;
  }
  autoplayon.enable();
  setInputAllowed(false);
}

void Quov::tmrautospin_tick() {
  if (autoplaymode >= 1 && idleticks >= autopause) {
    idleticks = 0;
    btnstartall_click();
  }
}

}  // namespace quov
