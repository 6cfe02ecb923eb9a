// The gamble: after a win, or after collecting a free-spin series, the
// player stakes the amount on a hidden card's colour (pays double) or suit
// (pays four times), again and again while winning, or collects.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/gamble.h"
#include "engine/timing.h"

namespace quov {

namespace {

constexpr int kClickClip = 130, kLossClip = 103, kCollectClip = 115;
constexpr int kBannerLeft = 700, kBannerFirstTop = 10, kBannerLastTop = 4800;

// The stake text and what the next colour and suit bets would pay; a
// payment past the 32-bit range leaves its text as it was.
void writeStakeTexts(Quov& q) {
  q.risklab.setCaption("At Risk  " + plainCents(q.atrisk));
  std::int32_t pays = q.atrisk;
  if (mul(pays, kColourPays)) q.lblblackred.setCaption("Black/Red Win = " + plainCents(pays));
  pays = q.atrisk;
  if (mul(pays, kSuitPays)) q.lblsuit.setCaption("Suit Win = " + plainCents(pays));
}

// A banner slides down the panel, shown all the way.
void slideBanner(Quov& q, Element& banner) {
  q.slide(banner, kBannerLeft, kBannerFirstTop, kBannerLeft, kBannerLastTop,
          timing::kBannerSlideFrames, timing::kBannerSlideFramePause);
}

// The row of the last suits drawn gets the newest one.
void recordSuit(Quov& q, int suit) {
  if (q.historycount >= kHistoryWrapFrom) q.historycount = kHistoryWrapTo;
  const HistoryStep step = historyStep(q.historycount);
  if (step.slot == 0) return;
  if (step.relayout)
    for (int h = 1; h <= kHistorySlots; ++h) q.historypic[h].move(step.left[h], kHistoryTop);
  q.historypic[step.slot].setPicture(ImageListId::Imagelistcards, suitIcon(suit));
  q.historypic[step.slot].show();
}

// Draws the card and peels its back away; returns its suit.
int revealCard(Quov& q) {
  q.playClip(kClickClip);
  q.playClip(kClickClip);
  q.gamblewin.hide();
  add(q.historycount, 1);
  q.risklab.setCaption("At Risk  " + plainCents(q.atrisk));
  const int suit = q.p.random.draw(kSuits);
  recordSuit(q, suit);
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
void closeGamble(Quov& q) {
  q.doublebutton.disable();
  q.autoplayon.enable();
  q.coinsin.enable();
  q.payline.enable();
  q.btnspin.enable();
  q.btnbet.enable();
  q.setInputAllowed(true);
}

void loseGamble(Quov& q) {
  q.doublebutton.disable();
  q.playClip(kLossClip);
  slideBanner(q, q.gamblelose);
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
  closeGamble(q);
}

}  // namespace

void Quov::doublebutton_mousedown() {
  doublebutton.hide();
  yield();
  playClip(kClickClip);
  piccardholder.setPicture(ImageListId::Imagelistcards, kCardBack);
  for (int s = 1; s <= kSuits; ++s) suitbet[s].setPicture(ImageListId::Imagelistcards, suitIcon(s));
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
  tmrlineflash.disable();
  Timerscatters.disable();
  timerwild.disable();
  Timer4.disable();
  Timerwincounter.disable();
  doublebutton.disable();
  autoplayon.disable();
  coinsin.disable();
  payline.disable();
  btnspin.disable();
  btnbet.disable();
  betred.enable();
  betblack.enable();
  cancelbet.enable();
  pandouble.show();
  gamblewin.hide();
  gamblelose.hide();

  // A collected series total is the stake; otherwise the last spin's win.
  atrisk = spinwin;
  if (gamblecarry > 0) atrisk = gamblecarry;
  gamblecarry = 0;
  gamblestake_ = atrisk;
  showWinMeter(atrisk, atrisk);
  lblblackred.show();
  lblsuit.show();
  writeStakeTexts(*this);
  sub(m.bank, atrisk);
  showCredit();
  setInputAllowed(false);
  yield();
}

void Quov::betred_click() { gambleBet({false, CardColour::Red, 0}); }
void Quov::betblack_click() { gambleBet({false, CardColour::Black, 0}); }

void Quov::suitbet_click(int index) {
  if (index < 1 || index > kSuits) return;
  gambleBet({true, colourOf(index), index});
}

void Quov::gambleBet(const GambleGuess& guess) {
  // A press that arrives while a card is revealed, or after the panel has
  // closed, has no bet to act on.
  if (betRunning_ || !pandouble.visible) return;
  betRunning_ = true;
  const int suit = revealCard(*this);
  if (guessWins(guess, suit)) {
    playClip(guessWinClip(guess, suit));
    mul(atrisk, guessPays(guess));
    betred.enable();
    betblack.enable();
    cancelbet.enable();
    writeStakeTexts(*this);
    slideBanner(*this, gamblewin);
  } else {
    loseGamble(*this);
  }
  betRunning_ = false;
}

void Quov::cancelbet_click() {
  if (betRunning_ || !pandouble.visible) return;
  pandouble.hide();
  doublebutton.disable();
  add(m.bank, atrisk);
  // The stake was counted as won when it was won; the total won now holds
  // what the gamble turned it into.
  add(m.total, static_cast<long long>(atrisk) - gamblestake_);
  playClip(kCollectClip);
  showCredit();
  showWinMeter(atrisk, atrisk);
  closeGamble(*this);
}

}  // namespace quov
