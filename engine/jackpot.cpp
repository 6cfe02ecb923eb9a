// Jackpot time: the press that starts it instead of a spin, the board's
// slide-in, the ball's run and slow-down, and the show that pays the prize.
// From its start to the crediting of the prize no spin can start, so the
// meters cannot move under the prize.
#include "engine/jackpot.h"

#include "engine/engine.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "rules/checked.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "sound/sounds.h"

namespace quov {

namespace {

constexpr const char* kJackpotCaption = "  ****   JACKPOT TIME   ****";
constexpr int kBallPictures = 4;

Meters metersOf(const Modquov& m) { return {m.grand, m.major, m.minor}; }

// Everything the prize can equal now: the meters as they stand and the bet
// multiples worked out when the ball stopped.
PrizeValues prizeValues(const Modquov& m, const JackpotState& s) {
  return {m.grand, m.major, m.minor, s.betx10, s.betx20, s.betx30};
}

// The prize the show presents and books, identified by its value.
JackpotPrize wonPrize(const Modquov& m, const JackpotState& s) {
  return bookedPrize(m.jackpotprize, prizeValues(m, s), boardCell(s.balltarget).prize);
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

Jackpot::Jackpot(Engine& e)
    : tmrbell(e.q.p.loop.scheduler(), "tmrbell", timing::kBell, false, e.q.tmrautospin),
      tmrdecidejackpot(e.q.p.loop.scheduler(), "tmrdecidejackpot", timing::kDecideJackpot, false,
                       e.q.tmrautospin),
      tmrshowjackpot(e.q.p.loop.scheduler(), "tmrshowjackpot", timing::kShowJackpot, false,
                     e.q.tmrautospin),
      engine(e),
      q(e.q),
      sounds(e.sounds) {
  board.place(q.screen, q.menupic);
  tmrbell.onTick = [this] { tmrbell_tick(); };
  tmrdecidejackpot.onTick = [this] { tmrdecidejackpot_tick(); };
  tmrshowjackpot.onTick = [this] { tmrshowjackpot_tick(); };
}

void Jackpot::meterStep() { stepMeters(q.m.grand, q.m.major, q.m.minor); }

bool Jackpot::drawJackpotTime() {
  state_.jackpotdraw = static_cast<std::int16_t>(q.p.random.draw(kJackpotOdds));
  if (!startsJackpotTime(state_.jackpotdraw)) return false;
  start();
  return true;
}

void Jackpot::idleTick() { add(state_.bellcount, 1); }

void Jackpot::start() {
  state_.running = true;
  sounds.play(Clip::JackpotTime);
  q.spinsleft.show();
  q.spinsleft.setCaption(kJackpotCaption);
  q.sleep(timing::kJackpotAnnounce);
  q.setInputAllowed(false);
  q.Timerscatters.disable();
  q.timerwild.disable();
  q.Timer4.disable();
  q.tmrlineflash.disable();
  q.hideCellFrames();
  state_.jackpotdraw = 0;
  q.yield();
  q.tmrautospin.disable();
  q.btnopenmenu.disable();
  q.btnoptions.disable();
  tmrbell.enable();
  q.sleep(timing::kJackpotBellStart);
  state_.bellcount = 0;
  tmrshowjackpot.disable();
  state_.ballinterval = 0;
  state_.ballleft = 0;
  state_.balltop = 0;
  state_.balltarget = 0;
  state_.ballslowing = 0;
  state_.ballcell = 0;
  q.m.jackpotprize = 0;
  state_.balllaps = 0;
  // The ball starts its run just after a random cell.
  state_.ballcell = static_cast<std::int16_t>(q.p.random.draw(kBoardCells));
  board.jackpotball11.hide();
  board.jackpotball21.hide();
  board.jackpotball31.hide();
  q.events->jackpotStarted();
}

void Jackpot::tmrbell_tick() {
  q.panfreespin.hide();
  q.yield();
  for (int r = 1; r <= kReels; ++r) q.Picture[r].hide();
  if (state_.bellcount >= timing::kBoardSlideStartTicks) {
    std::int16_t top = 0;
    if (assign(top, static_cast<long long>(state_.bellcount) * kBoardSlideStep - kBoardSlideOffset))
      board.jackpotframe.move(kBoardLeft, top);
    board.jackpotframe.show();
  }
  if (state_.bellcount >= timing::kBoardSlideEndTicks) {
    board.jackpotframe.move(kBoardLeft, kBoardTop);
    state_.bellcount = 0;
    tmrbell.disable();
    tmrdecidejackpot.enable();
    tmrdecidejackpot.setInterval(timing::kDecideJackpot);
  }
}

void Jackpot::moveBall(int cell) {
  // Past the last cell the ball stays where it was last put.
  if (cell >= 1 && cell <= kBoardCells) {
    state_.ballleft = boardCell(cell).left;
    state_.balltop = static_cast<std::int16_t>(boardCell(cell).top);
  }
  board.jackpotball11.move(state_.ballleft, state_.balltop);
}

void Jackpot::tmrdecidejackpot_tick() {
  sounds.play(Clip::BallStep, ClipMode::Loop);
  if (state_.ballslowing != 1) {
    board.jackpotpicture.hide();
    board.jackpotball11.show();
    for (;;) {
      add(state_.ballcell, 1);
      moveBall(state_.ballcell);
      if (state_.ballcell <= kBoardCells) return;
      state_.ballcell = 0;
      if (state_.balllaps < 1) {
        add(state_.balllaps, 1);
        continue;
      }
      // Two laps run: draw the cell the ball stops on, and slow down.
      state_.ballslowing = 1;
      state_.balltarget = static_cast<std::int16_t>(q.p.random.draw(kBoardCells));
      break;
    }
  }
  add(state_.ballinterval, timing::kDecideSlowdown);
  tmrdecidejackpot.setInterval(state_.ballinterval);
  add(state_.ballcell, 1);
  moveBall(state_.ballcell);
  if (state_.ballcell == state_.balltarget) payOut();
}

void Jackpot::payOut() {
  board.lbljackpotwon.hide();
  sounds.stop();
  Modquov& m = q.m;
  const PrizeValues values = prizeValuesFor(metersOf(m), q.totalBet());
  state_.betx10 = values.betx10;
  state_.betx20 = values.betx20;
  state_.betx30 = static_cast<std::int16_t>(values.betx30);
  const JackpotWin win = jackpotWin(state_.balltarget, q.totalBet(), metersOf(m));
  m.jackpotprize = win.prize;
  if (win.cell == JackpotPrize::Grand) add(m.grandwon, 1);
  if (win.cell == JackpotPrize::Major) add(m.majorwon, 1);
  if (win.cell == JackpotPrize::Minor) add(m.minorwon, 1);
  sounds.play(Clip::Prize);
  tmrshowjackpot.enable();
  q.setInputAllowed(true);
  q.keycount = 0;
  tmrdecidejackpot.disable();
  q.sleep(timing::kJackpotPrizeHold);
}

void Jackpot::tmrshowjackpot_tick() {
  add(state_.jpticks, 1);
  add(state_.jpball, 1);
  add(state_.jpframe, 1);
  if (state_.jpball > kBallPictures) state_.jpball = 1;

  // The ball blinks through its three colours on the cell it stopped on.
  Element* balls[kBallPictures] = {&board.jackpotball11, &board.jackpotball21, &board.jackpotball31,
                                   &board.jackpotball11};
  Element* lit = balls[state_.jpball - 1];
  for (Element* ball : {&board.jackpotball11, &board.jackpotball21, &board.jackpotball31})
    if (ball != lit) ball->hide();
  lit->move(state_.ballleft, state_.balltop);
  lit->show();

  const JackpotPrize prize = wonPrize(q.m, state_);
  if (isMeterPrize(prize)) {
    state_.jpframe = jackpotWinFrame(prize, state_.jpframe);
    board.jackpotpicture.setPicture(ImageListId::Jackpotwin, state_.jpframe);
    board.jackpotpicture.show();
  } else {
    const char* caption = prize == JackpotPrize::BetX10   ? "BET X 10  = "
                          : prize == JackpotPrize::BetX20 ? "BET X 20  = "
                                                          : "BET X 30  = ";
    board.lbljackpotwon.setCaption(caption + plainCents(q.m.jackpotprize));
    board.lbljackpotwon.show();
  }
  q.showWinMeter(q.m.jackpotprize, q.m.jackpotprize);
  if (state_.jpticks > timing::kJackpotShowTicks) endShow();
}

void Jackpot::endShow() {
  board.jackpotball11.hide();
  board.jackpotball21.hide();
  board.jackpotball31.hide();
  tmrshowjackpot.disable();
  for (int r = 1; r <= kReels; ++r) q.Picture[r].show();
  q.spinsleft.hide();
  board.jackpotframe.hide();
  board.jackpotpicture.hide();
  board.lbljackpotwon.hide();
  state_.jackpotdraw = 0;
  q.btnopenmenu.enable();
  q.btnoptions.enable();
  q.yield();

  // Meter prizes are also booked as jackpots won; bet multiples are not.
  Modquov& m = q.m;
  const JackpotPrize prize = wonPrize(m, state_);
  add(m.bank, m.jackpotprize);
  if (isMeterPrize(prize)) add(m.jackpotbank, m.jackpotprize);
  q.events->jackpotPaid();
  q.showCredit();
  state_.jpticks = 0;
  q.panfreespin.show();
  if (q.autoplaymode > 0) q.tmrautospin.enable();

  // The meter that was won drops back to its floor.
  const JackpotPrize meter = meterToEmpty(m.jackpotprize, prizeValues(m, state_), prize);
  if (meter != JackpotPrize::None) {
    meterOf(m, meter) = meterFloor(meter);
    meterLabel(q, meter).setCaption(moneyText(meterOf(m, meter)));
  }
  state_.running = false;
  q.yield();
}

}  // namespace quov
