// Jackpot time: the press that starts it instead of a spin, the board's
// slide-in, the ball's run and slow-down, and the show that pays the prize.
// From its start to the crediting of the prize no spin can start, so the
// meters cannot move under the prize.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/jackpot.h"
#include "engine/timing.h"

namespace quov {

namespace {

constexpr const char* kJackpotCaption = "  ****   JACKPOT TIME   ****";
constexpr int kAnnounceClip = 139, kBallStepClip = 123, kPrizeClip = 125;
constexpr int kBallPictures = 4;

PrizeValues prizeValues(const Quov& q) {
  return {q.m.grand, q.m.major, q.m.minor, q.betx10, q.betx20, q.betx30};
}

// The prize the show presents and books: the meter or bet multiple the
// amount equals; an amount that equals none of them is what the ball's cell
// paid when it stopped.
JackpotPrize wonPrize(const Quov& q) {
  const JackpotPrize byValue = prizeByValue(q.m.jackpotprize, prizeValues(q));
  return byValue != JackpotPrize::None ? byValue : boardCell(q.balltarget).prize;
}

std::int32_t& meterOf(Modquov& m, JackpotPrize meter) {
  return meter == JackpotPrize::Grand ? m.grand : meter == JackpotPrize::Major ? m.major : m.minor;
}

Element& meterLabel(Quov& q, JackpotPrize meter) {
  return meter == JackpotPrize::Grand   ? q.lblgrand
         : meter == JackpotPrize::Major ? q.lblmajor
                                        : q.lblminor;
}

}  // namespace

void Quov::startJackpotTime() {
  jackpotTime = true;
  playClip(kAnnounceClip);
  spinsleft.show();
  spinsleft.setCaption(kJackpotCaption);
  sleep(timing::kJackpotAnnounce);
  setInputAllowed(false);
  Timerscatters.disable();
  timerwild.disable();
  Timer4.disable();
  tmrlineflash.disable();
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
  jackpotdraw = 0;
  yield();
  tmrautospin.disable();
  btnopenmenu.disable();
  btnoptions.disable();
  tmrbell.enable();
  sleep(timing::kJackpotBellStart);
  bellcount = 0;
  tmrshowjackpot.disable();
  ballinterval = 0;
  ballleft = 0;
  balltop = 0;
  balltarget = 0;
  ballslowing = 0;
  ballcell = 0;
  m.jackpotprize = 0;
  balllaps = 0;
  // The ball starts its run just after a random cell.
  ballcell = static_cast<std::int16_t>(p.random.draw(kBoardCells));
  jackpotball11.hide();
  jackpotball21.hide();
  jackpotball31.hide();
}

void Quov::tmrbell_tick() {
  panfreespin.hide();
  yield();
  for (int r = 1; r <= kReels; ++r) Picture[r].hide();
  if (bellcount >= timing::kBoardSlideStartTicks) {
    std::int16_t top = 0;
    if (assign(top, static_cast<long long>(bellcount) * kBoardSlideStep - kBoardSlideOffset))
      jackpotframe.move(kBoardLeft, top);
    jackpotframe.show();
  }
  if (bellcount >= timing::kBoardSlideEndTicks) {
    jackpotframe.move(kBoardLeft, kBoardTop);
    bellcount = 0;
    tmrbell.disable();
    tmrdecidejackpot.enable();
    tmrdecidejackpot.setInterval(timing::kDecideJackpot);
  }
}

void Quov::moveBall(int cell) {
  // Past the last cell the ball stays where it was last put.
  if (cell >= 1 && cell <= kBoardCells) {
    ballleft = boardCell(cell).left;
    balltop = static_cast<std::int16_t>(boardCell(cell).top);
  }
  jackpotball11.move(ballleft, balltop);
}

void Quov::tmrdecidejackpot_tick() {
  playClip(kBallStepClip, ClipMode::Loop);
  if (ballslowing != 1) {
    jackpotpicture.hide();
    jackpotball11.show();
    for (;;) {
      add(ballcell, 1);
      moveBall(ballcell);
      if (ballcell <= kBoardCells) return;
      ballcell = 0;
      if (balllaps < 1) {
        add(balllaps, 1);
        continue;
      }
      // Two laps run: draw the cell the ball stops on, and slow down.
      ballslowing = 1;
      balltarget = static_cast<std::int16_t>(p.random.draw(kBoardCells));
      break;
    }
  }
  add(ballinterval, timing::kDecideSlowdown);
  tmrdecidejackpot.setInterval(ballinterval);
  add(ballcell, 1);
  moveBall(ballcell);
  if (ballcell == balltarget) payOutJackpot();
}

void Quov::payOutJackpot() {
  lbljackpotwon.hide();
  stopSounds();
  const std::int16_t bet = totalBet();
  if (auto v = betMultiple(bet, 10)) betx10 = *v;
  if (auto v = betMultiple(bet, 20)) betx20 = *v;
  if (auto v = betMultiple(bet, 30)) betx30 = *v;
  const JackpotPrize cell = boardCell(balltarget).prize;
  m.jackpotprize = prizeValue(cell, prizeValues(*this));
  if (cell == JackpotPrize::Grand) add(m.grandwon, 1);
  if (cell == JackpotPrize::Major) add(m.majorwon, 1);
  if (cell == JackpotPrize::Minor) add(m.minorwon, 1);
  playClip(kPrizeClip);
  tmrshowjackpot.enable();
  setInputAllowed(true);
  keycount = 0;
  tmrdecidejackpot.disable();
  sleep(timing::kJackpotPrizeHold);
}

void Quov::tmrshowjackpot_tick() {
  add(jpticks, 1);
  add(jpball, 1);
  add(jpframe, 1);
  if (jpball > kBallPictures) jpball = 1;

  // The ball blinks through its three colours on the cell it stopped on.
  Element* balls[kBallPictures] = {&jackpotball11, &jackpotball21, &jackpotball31, &jackpotball11};
  Element* lit = balls[jpball - 1];
  for (Element* ball : {&jackpotball11, &jackpotball21, &jackpotball31})
    if (ball != lit) ball->hide();
  lit->move(ballleft, balltop);
  lit->show();

  const JackpotPrize prize = wonPrize(*this);
  if (isMeterPrize(prize)) {
    jpframe = jackpotWinFrame(prize, jpframe);
    jackpotpicture.setPicture(ImageListId::Jackpotwin, jpframe);
    jackpotpicture.show();
  } else {
    const char* caption = prize == JackpotPrize::BetX10   ? "BET X 10  = "
                          : prize == JackpotPrize::BetX20 ? "BET X 20  = "
                                                          : "BET X 30  = ";
    lbljackpotwon.setCaption(caption + plainCents(m.jackpotprize));
    lbljackpotwon.show();
  }
  showWinMeter(m.jackpotprize, m.jackpotprize);
  if (jpticks > timing::kJackpotShowTicks) endJackpotShow();
}

void Quov::endJackpotShow() {
  jackpotball11.hide();
  jackpotball21.hide();
  jackpotball31.hide();
  tmrshowjackpot.disable();
  for (int r = 1; r <= kReels; ++r) Picture[r].show();
  spinsleft.hide();
  jackpotframe.hide();
  jackpotpicture.hide();
  lbljackpotwon.hide();
  jackpotdraw = 0;
  btnopenmenu.enable();
  btnoptions.enable();
  yield();

  // Meter prizes are also booked as jackpots won; bet multiples are not.
  const JackpotPrize prize = wonPrize(*this);
  add(m.bank, m.jackpotprize);
  if (isMeterPrize(prize)) add(m.jackpotbank, m.jackpotprize);
  showCredit();
  jpticks = 0;
  panfreespin.show();
  if (autoplaymode > 0) tmrautospin.enable();

  // The meter that was won drops back to its floor.
  JackpotPrize meter = meterByValue(m.jackpotprize, prizeValues(*this));
  if (meter == JackpotPrize::None && isMeterPrize(prize)) meter = prize;
  if (meter != JackpotPrize::None) {
    meterOf(m, meter) = meterFloor(meter);
    meterLabel(*this, meter).setCaption(moneyText(meterOf(m, meter)));
  }
  jackpotTime = false;
  yield();
}

}  // namespace quov
