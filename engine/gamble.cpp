// The gamble: after a win, or after collecting a free-spin series, the
// player stakes the amount on a hidden card's colour (pays double) or suit
// (pays four times), again and again while winning, or collects.
#include "engine/gamble.h"

#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "platform/screen.h"
#include "rules/checked.h"
#include "rules/money.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr int kBannerLeft = 700, kBannerFirstTop = 10, kBannerLastTop = 4800;
}

Gamble::Gamble(Quov& quov, Sounds& sound) : q(quov), sounds(sound) {
  panel.place(q.screen, q.menupic);
}

void Gamble::routeInput(InputRoutes& routes) {
  routes[q.doublebutton].mouseDown = [this] { doublebutton_mousedown(); };
  routes[panel.betred].click = [this] { betred_click(); };
  routes[panel.betblack].click = [this] { betblack_click(); };
  routes[panel.cancelbet].click = [this] { cancelbet_click(); };
  for (int k = 1; k <= kSuits; ++k) routes[panel.suitbet[k]].click = [this, k] { suitbet_click(k); };
}

// The stake text and what the next colour and suit bets would pay; a
// payment past the 32-bit range leaves its text as it was.
void Gamble::writeStakeTexts() {
  panel.risklab.setCaption("At Risk  " + plainCents(atrisk_));
  std::int32_t pays = atrisk_;
  if (mul(pays, kColourPays)) panel.lblblackred.setCaption("Black/Red Win = " + plainCents(pays));
  pays = atrisk_;
  if (mul(pays, kSuitPays)) panel.lblsuit.setCaption("Suit Win = " + plainCents(pays));
}

// A banner slides down the panel, shown all the way.
void Gamble::slideBanner(Element& banner) {
  q.slide(banner, kBannerLeft, kBannerFirstTop, kBannerLeft, kBannerLastTop,
          timing::kBannerSlideFrames, timing::kBannerSlideFramePause);
}

// The row of the last suits drawn gets the newest one.
void Gamble::recordSuit(int suit) {
  if (historycount_ >= kHistoryWrapFrom) historycount_ = kHistoryWrapTo;
  const HistoryStep step = historyStep(historycount_);
  if (step.slot == 0) return;
  if (step.relayout)
    for (int h = 1; h <= kHistorySlots; ++h) panel.historypic[h].move(step.left[h], kHistoryTop);
  panel.historypic[step.slot].setPicture(ImageListId::Imagelistcards, suitIcon(suit));
  panel.historypic[step.slot].show();
}

// Draws the card and peels its back away; returns its suit.
int Gamble::revealCard() {
  sounds.play(Clip::Click);
  sounds.play(Clip::Click);
  panel.gamblewin.hide();
  add(historycount_, 1);
  panel.risklab.setCaption("At Risk  " + plainCents(atrisk_));
  const int suit = q.p.random.draw(kSuits);
  recordSuit(suit);
  for (int peel = kPeelFirst; peel <= kPeelLast; ++peel) {
    panel.piccardholder.setPicture(ImageListId::Imagelistcards, suit, peel);
    q.yield();
    q.sleep(timing::kCardRevealFrame);
  }
  panel.piccardholder.setPicture(ImageListId::Imagelistcards, suit);
  q.yield();
  return suit;
}

// The gamble is over: the player's controls come back.
void Gamble::close() {
  q.doublebutton.disable();
  q.autoplayon.enable();
  q.coinsin.enable();
  q.payline.enable();
  q.btnspin.enable();
  q.btnbet.enable();
  q.setInputAllowed(true);
}

void Gamble::lose() {
  q.doublebutton.disable();
  sounds.play(Clip::NoMoney);
  slideBanner(panel.gamblelose);
  panel.lblblackred.hide();
  panel.lblsuit.hide();
  panel.risklab.setCaption("    No Win  ");
  panel.betred.disable();
  panel.betblack.disable();
  panel.cancelbet.disable();
  q.yield();
  q.sleep(timing::kGambleLossHold);
  panel.pandouble.hide();
  q.showCredit();  // the stake stays lost
  q.LABWIN.setCaption("         No Win");
  q.lblwin.setCaption(" ");
  close();
}

void Gamble::doublebutton_mousedown() {
  q.doublebutton.hide();
  q.yield();
  sounds.play(Clip::Click);
  panel.piccardholder.setPicture(ImageListId::Imagelistcards, kCardBack);
  for (int s = 1; s <= kSuits; ++s)
    panel.suitbet[s].setPicture(ImageListId::Imagelistcards, suitIcon(s));
  q.hideCellFrames();
  q.tmrlineflash.disable();
  q.Timerscatters.disable();
  q.timerwild.disable();
  q.Timer4.disable();
  q.Timerwincounter.disable();
  q.doublebutton.disable();
  q.autoplayon.disable();
  q.coinsin.disable();
  q.payline.disable();
  q.btnspin.disable();
  q.btnbet.disable();
  panel.betred.enable();
  panel.betblack.enable();
  panel.cancelbet.enable();
  panel.pandouble.show();
  panel.gamblewin.hide();
  panel.gamblelose.hide();

  // A collected series total is the stake; otherwise the last spin's win.
  atrisk_ = q.spinwin;
  if (gamblecarry_ > 0) atrisk_ = gamblecarry_;
  gamblecarry_ = 0;
  stake_ = atrisk_;
  q.showWinMeter(atrisk_, atrisk_);
  panel.lblblackred.show();
  panel.lblsuit.show();
  writeStakeTexts();
  q.events->gambleOpening(atrisk_);
  sub(q.m.bank, atrisk_);
  q.showCredit();
  q.setInputAllowed(false);
  q.yield();
}

void Gamble::betred_click() { bet({false, CardColour::Red, 0}); }
void Gamble::betblack_click() { bet({false, CardColour::Black, 0}); }

void Gamble::suitbet_click(int index) {
  if (index < 1 || index > kSuits) return;
  bet({true, colourOf(index), index});
}

void Gamble::bet(const GambleGuess& guess) {
  // A press that arrives while a card is revealed, or after the panel has
  // closed, has no bet to act on.
  if (betRunning_ || !open()) return;
  betRunning_ = true;
  const int suit = revealCard();
  if (guessWins(guess, suit)) {
    sounds.play(gambleWinClip(guess, suit));
    mul(atrisk_, guessPays(guess));
    q.events->gambleBet({guess, suit, true, atrisk_});
    panel.betred.enable();
    panel.betblack.enable();
    panel.cancelbet.enable();
    writeStakeTexts();
    slideBanner(panel.gamblewin);
  } else {
    q.events->gambleBet({guess, suit, false, 0});
    lose();
  }
  betRunning_ = false;
}

void Gamble::cancelbet_click() {
  if (betRunning_ || !open()) return;
  panel.pandouble.hide();
  q.doublebutton.disable();
  add(q.m.bank, atrisk_);
  // The stake was counted as won when it was won; the total won now holds
  // what the gamble turned it into.
  add(q.m.total, static_cast<long long>(atrisk_) - stake_);
  q.events->gambleCollected(atrisk_);
  sounds.play(Clip::GambleCollect);
  q.showCredit();
  q.showWinMeter(atrisk_, atrisk_);
  close();
}

}  // namespace quov
