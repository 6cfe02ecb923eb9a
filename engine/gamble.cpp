// The gamble: after a win, or after collecting a free-spin series, the
// player stakes the amount on a hidden card's colour (pays double) or suit
// (pays four times), again and again while winning, or collects.
#include "engine/gamble.h"

#include "rules/checked.h"
#include "rules/money.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr int kBannerLeft = 700, kBannerFirstTop = 10, kBannerLastTop = 4800;
}

// The stake text and what the next colour and suit bets would pay; a
// payment past the 32-bit range leaves its text as it was.
void Gamble::writeStakeTexts() {
  q.risklab.setCaption("At Risk  " + plainCents(q.atrisk));
  std::int32_t pays = q.atrisk;
  if (mul(pays, kColourPays)) q.lblblackred.setCaption("Black/Red Win = " + plainCents(pays));
  pays = q.atrisk;
  if (mul(pays, kSuitPays)) q.lblsuit.setCaption("Suit Win = " + plainCents(pays));
}

// A banner slides down the panel, shown all the way.
void Gamble::slideBanner(Element& banner) {
  q.slide(banner, kBannerLeft, kBannerFirstTop, kBannerLeft, kBannerLastTop,
          timing::kBannerSlideFrames, timing::kBannerSlideFramePause);
}

// The row of the last suits drawn gets the newest one.
void Gamble::recordSuit(int suit) {
  if (state.historycount >= kHistoryWrapFrom) state.historycount = kHistoryWrapTo;
  const HistoryStep step = historyStep(state.historycount);
  if (step.slot == 0) return;
  if (step.relayout)
    for (int h = 1; h <= kHistorySlots; ++h) q.historypic[h].move(step.left[h], kHistoryTop);
  q.historypic[step.slot].setPicture(ImageListId::Imagelistcards, suitIcon(suit));
  q.historypic[step.slot].show();
}

// Draws the card and peels its back away; returns its suit.
int Gamble::revealCard() {
  sounds.play(Clip::Click);
  sounds.play(Clip::Click);
  q.gamblewin.hide();
  add(state.historycount, 1);
  q.risklab.setCaption("At Risk  " + plainCents(q.atrisk));
  const int suit = q.p.random.draw(kSuits);
  recordSuit(suit);
  for (int peel = kPeelFirst; peel <= kPeelLast; ++peel) {
    q.piccardholder.setPicture(ImageListId::Imagelistcards, suit, peel);
    q.yield();
    q.sleep(timing::kCardRevealFrame);
  }
  q.piccardholder.setPicture(ImageListId::Imagelistcards, suit);
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
  slideBanner(q.gamblelose);
  q.lblblackred.hide();
  q.lblsuit.hide();
  q.risklab.setCaption("    No Win  ");
  q.betred.disable();
  q.betblack.disable();
  q.cancelbet.disable();
  q.yield();
  q.sleep(timing::kGambleLossHold);
  q.pandouble.hide();
  q.showCredit();  // the stake stays lost
  q.LABWIN.setCaption("         No Win");
  q.lblwin.setCaption(" ");
  close();
}

void Gamble::doublebutton_mousedown() {
  q.doublebutton.hide();
  q.yield();
  sounds.play(Clip::Click);
  q.piccardholder.setPicture(ImageListId::Imagelistcards, kCardBack);
  for (int s = 1; s <= kSuits; ++s)
    q.suitbet[s].setPicture(ImageListId::Imagelistcards, suitIcon(s));
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
  q.betred.enable();
  q.betblack.enable();
  q.cancelbet.enable();
  q.pandouble.show();
  q.gamblewin.hide();
  q.gamblelose.hide();

  // A collected series total is the stake; otherwise the last spin's win.
  q.atrisk = q.spinwin;
  if (q.gamblecarry > 0) q.atrisk = q.gamblecarry;
  q.gamblecarry = 0;
  state.stake = q.atrisk;
  q.showWinMeter(q.atrisk, q.atrisk);
  q.lblblackred.show();
  q.lblsuit.show();
  writeStakeTexts();
  q.events->gambleOpening();
  sub(q.m.bank, q.atrisk);
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
  if (state.betRunning || !q.pandouble.visible) return;
  state.betRunning = true;
  const int suit = revealCard();
  if (guessWins(guess, suit)) {
    sounds.play(gambleWinClip(guess, suit));
    mul(q.atrisk, guessPays(guess));
    q.events->gambleBet({guess, suit, true});
    q.betred.enable();
    q.betblack.enable();
    q.cancelbet.enable();
    writeStakeTexts();
    slideBanner(q.gamblewin);
  } else {
    q.events->gambleBet({guess, suit, false});
    lose();
  }
  state.betRunning = false;
}

void Gamble::cancelbet_click() {
  if (state.betRunning || !q.pandouble.visible) return;
  q.pandouble.hide();
  q.doublebutton.disable();
  add(q.m.bank, q.atrisk);
  // The stake was counted as won when it was won; the total won now holds
  // what the gamble turned it into.
  add(q.m.total, static_cast<long long>(q.atrisk) - state.stake);
  q.events->gambleCollected();
  sounds.play(Clip::GambleCollect);
  q.showCredit();
  q.showWinMeter(q.atrisk, q.atrisk);
  close();
}

}  // namespace quov
