// The spin press, the settlement with its payout throttle, the idle ticker
// and the free-spin re-spin timer.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/jackpot.h"
#include "engine/timing.h"

namespace quov {

namespace {
constexpr const char* kGoodLuck = "      Good luck";
}

void Quov::btnspin_click() { btnstartall_click(); }
void Quov::btnspin_mouseup() { btnspin.show(); }

void Quov::btnstartall_click() {
  btnspin.hide();
  yield();
  if (!inputAllowed()) return;
  // Jackpot time runs its board until the prize is credited; a spin now
  // would move the meters under the prize and leave it unpaid. While the
  // gamble panel is open the stake is out of the credit; a spin now would
  // clear it and lose it.
  if (jackpotTime || pandouble.visible) return;

  LABWIN.setCaption(kGoodLuck);
  lblwin.setCaption(" ");
  lbllast.setCaption(plainCents(totalBet()));
  lbltotallast.setCaption(moneyText(totalBet()));
  showCredit();

  jackpotdraw = static_cast<std::int16_t>(p.random.draw(120));
  if (jackpotdraw == 1) {
    startJackpotTime();
    return;
  }
  btnspin.hide();

  if (freespinmode != -1) {
    gamblecarry = 0;
    atrisk = 0;
    freespinwin = 0;
    rolled = 0;
    playClip(141);
    idleticks = 0;
    scatterframe = 0;
    symbolframe = 0;
    loopa = 0;
    setBetPerLineFromLevel();
    if (m.bank < totalBet()) {
      playClip(103);
      pannomoney.show();
      coinsin.enable();
      btnspin.disable();
      payline.enable();
      btnbet.enable();
      autoplaymode = 0;
      yield();
      return;
    }
    pannomoney.hide();
  }

  coinsin.disable();
  btnspin.disable();
  payline.disable();
  tmrlineflash.disable();
  Timerscatters.disable();
  doublebutton.disable();
  btnopenmenu.disable();
  btnoptions.disable();

  idleticks = 0;
  scatterframe = wildpicfirst = wildticks = symbolframe = wildpic = 0;
  loopa = 0;
  if (freespinmode == 0) {
    LABWIN.setCaption(kGoodLuck);
    lblwin.setCaption(" ");
    lbllast.setCaption(plainCents(totalBet()));
    Timerwincounter.disable();
  }
  for (int r = 1; r <= kReels; ++r) scattercell[r] = 0;
  for (int line = 1; line <= kLines; ++line) winlength[line] = 0;
  setInputAllowed(false);

  spinreel1();

  keycount = 0;
  for (int k = 1; k <= kLines; ++k) lin[k].disable();
  if (autoplaymode == 0) {
    btnspin.enable();
    payline.enable();
    coinsin.enable();
    btnopenmenu.enable();
    btnoptions.enable();
  }
}

bool Quov::settle() {
  if (spinwin > 0) rollstep = 1;
  const std::int16_t bet = totalBet();

  if (freespinmode == -1) {
    freespinbusiness();
    mul(spinwin, freespinmult);
    add(m.total, spinwin);
    add(freespinwin, spinwin);
    paydraw = static_cast<std::int16_t>(p.random.draw(m.machinepay));
    // A spin with a held reel always stands, and so does a losing one.
    if (paydraw == 1 || reel2held > 0 || reel3held > 0 || reel4held > 0 || spinwin <= 0)
      return false;
    reel2wild = reel3wild = 0;
    reel4wild = 0;
    reel2held = reel3held = 0;
    reel4held = 0;
    sub(freespinwin, spinwin);
    sub(m.total, spinwin);
    spinwin = 0;
    scattercount = 0;
    return true;
  }

  reel2wild = reel3wild = 0;
  reel4wild = 0;
  reel2held = reel3held = 0;
  reel4held = 0;
  add(m.total, spinwin);
  add(m.wager, bet);
  add(m.games, 1);
  sub(m.bank, bet);
  if (m.machinepay == 1) return false;
  paydraw = static_cast<std::int16_t>(p.random.draw(m.machinepay));
  if (paydraw == 1 || spinwin <= 0) return false;
  // The throttle replaces this winning outcome by a fresh spin: undo its
  // booking so that it leaves no trace.
  sub(m.wager, bet);
  sub(m.total, spinwin);
  add(m.bank, bet);
  sub(m.games, 1);
  spinwin = 0;
  scattercount = 0;
  freespinmult = 1;
  return true;
}

void Quov::tmrtick_tick() {
  autoplayon.show();
  btnspin.show();
  setInputAllowed(true);
  add(idleticks, 1);
  add(bellcount, 1);
  lblgrand.setCaption(moneyText(m.grand));
  lblmajor.setCaption(moneyText(m.major));
  lblminor.setCaption(moneyText(m.minor));
  // Between spins the records are written as soon as they change, so a
  // killed process loses at most the spin in progress.
  if (!jackpotTime && !pandouble.visible) records.saveIfChanged(p.store, m);
  yield();
}

void Quov::Timerrespin_tick() {
  p.sound.mediaCommand("open " + musicFolder + "/quovspin.midi type sequencer alias quovspin");
  if (m.soundonoff == -1) p.sound.mediaCommand("play quovspin ");
  yield();
  if (idleticks >= timing::kRespinIdleTicks) {
    idleticks = 0;
    spinreel1();
    setInputAllowed(false);
  }
}

void Quov::meterStep() { stepMeters(m.grand, m.major, m.minor); }

}  // namespace quov
