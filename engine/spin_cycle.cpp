// The spin press, the spin in its order, the settlement with its payout
// throttle, the idle ticker and the free-spin re-spin timer.
#include "engine/spin_cycle.h"

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/free_spins.h"
#include "engine/gamble.h"
#include "engine/jackpot.h"
#include "engine/reels.h"
#include "engine/wild_animations.h"
#include "engine/win_meter.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "rules/checked.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "rules/throttle.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr const char* kGoodLuck = "      Good luck";
}

SpinCycle::SpinCycle(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void SpinCycle::btnspin_click() { btnstartall_click(); }
void SpinCycle::btnspin_mouseup() { q.btnspin.show(); }

void SpinCycle::btnstartall_click() {
  q.btnspin.hide();
  q.yield();
  // Once the program has begun to end no game starts: its records are saved.
  if (!q.inputAllowed() || q.p.loop.ended()) return;
  // Jackpot time runs its board until the prize is credited; a spin now
  // would move the meters under the prize and leave it unpaid. While the
  // gamble panel is open the stake is out of the credit; a spin now would
  // clear it and lose it.
  Jackpot& jackpot = engine.jackpot();
  if (jackpot.running() || engine.gamble().open()) return;

  q.LABWIN.setCaption(kGoodLuck);
  q.lblwin.setCaption(" ");
  q.lbllast.setCaption(plainCents(q.totalBet()));
  q.lbltotallast.setCaption(moneyText(q.totalBet()));
  q.showCredit();

  if (jackpot.drawJackpotTime()) return;
  q.btnspin.hide();

  if (q.freespinmode != -1) {
    engine.gamble().dropCarry();
    q.freespinwin = 0;
    engine.winMeter().clearCount();
    sounds.play(Clip::SpinStart);
    q.idleticks = 0;
    engine.freeSpins().restartScatters();
    engine.wildAnimations().restartPortraits();
    q.setBetPerLineFromLevel();
    if (q.m.bank < q.totalBet()) {
      sounds.play(Clip::NoMoney);
      q.pannomoney.show();
      q.events->noMoney();
      q.coinsin.enable();
      q.btnspin.disable();
      q.payline.enable();
      q.btnbet.enable();
      q.autoplaymode = 0;
      q.yield();
      return;
    }
    q.pannomoney.hide();
  }

  q.coinsin.disable();
  q.btnspin.disable();
  q.payline.disable();
  q.tmrlineflash.disable();
  q.Timerscatters.disable();
  q.doublebutton.disable();
  q.btnopenmenu.disable();
  q.btnoptions.disable();

  q.idleticks = 0;
  engine.freeSpins().restartScatters();
  engine.wildAnimations().restart();
  if (q.freespinmode == 0) {
    q.LABWIN.setCaption(kGoodLuck);
    q.lblwin.setCaption(" ");
    q.lbllast.setCaption(plainCents(q.totalBet()));
    q.Timerwincounter.disable();
  }
  for (int r = 1; r <= kReels; ++r) q.scattercell[r] = 0;
  for (int line = 1; line <= kLines; ++line) q.winlength[line] = 0;
  q.setInputAllowed(false);

  spin();

  q.keycount = 0;
  for (int k = 1; k <= kLines; ++k) q.lin[k].disable();
  if (q.autoplaymode == 0) {
    q.btnspin.enable();
    q.payline.enable();
    q.coinsin.enable();
    q.btnopenmenu.enable();
    q.btnoptions.enable();
  }
}

void SpinCycle::spin() {
  Reels& reels = engine.reels();
  SpinOutcome outcome;
  do {
    outcome = SpinOutcome{};
    reels.spinreel1(outcome);
    reels.spinreel2(outcome);
    reels.spinreel3(outcome);
    reels.spinreel4(outcome);
    reels.spinreel5(outcome);
    q.readout = outcome.readout;  // what the reels will show, for the animations
  } while (!finishspin(outcome));
}

bool SpinCycle::finishspin(SpinOutcome& outcome) {
  Evaluation& evaluation = engine.evaluation();
  evaluation.evaluate(outcome, q.winlength);
  q.winline = outcome.winline;
  q.winlength = outcome.winlength;
  q.events->outcomeDrawn();
  const bool voided = settle(outcome);
  q.spinwin = outcome.win;
  if (voided) {
    q.events->outcomeVoided();
    return false;
  }
  engine.jackpot().meterStep();
  if (q.freespinmode == 0) q.showCredit();  // the debited credit shows before the reels move
  q.yield();
  engine.reels().spinDown(outcome);
  evaluation.present(outcome);
  return true;
}

bool SpinCycle::settle(SpinOutcome& o) {
  if (o.win > 0) engine.winMeter().armCount();
  const std::int16_t bet = q.totalBet();
  Modquov& m = q.m;

  if (q.freespinmode == -1) {
    engine.freeSpins().freespinbusiness(o);
    mul(o.win, q.freespinmult);
    add(m.total, o.win);
    add(q.freespinwin, o.win);
    state_.paydraw = static_cast<std::int16_t>(q.p.random.draw(m.machinepay));
    if (outcomeStands(SpinKind::Free, state_.paydraw, anyHeld(q.holds), o.win)) return false;
    clearHolds(q.holds);
    sub(q.freespinwin, o.win);
    sub(m.total, o.win);
    o.win = 0;
    o.readout.scattercount = 0;
    return true;
  }

  clearHolds(q.holds);
  add(m.total, o.win);
  add(m.wager, bet);
  add(m.games, 1);
  sub(m.bank, bet);
  if (!throttleDraws(SpinKind::Ordinary, m.machinepay)) return false;
  state_.paydraw = static_cast<std::int16_t>(q.p.random.draw(m.machinepay));
  if (outcomeStands(SpinKind::Ordinary, state_.paydraw, false, o.win)) return false;
  // The throttle replaces this winning outcome by a fresh spin: undo its
  // booking so that it leaves no trace.
  sub(m.wager, bet);
  sub(m.total, o.win);
  add(m.bank, bet);
  sub(m.games, 1);
  o.win = 0;
  o.readout.scattercount = 0;
  q.freespinmult = 1;
  return true;
}

void SpinCycle::tmrtick_tick() {
  q.autoplayon.show();
  q.btnspin.show();
  q.setInputAllowed(true);
  add(q.idleticks, 1);
  engine.jackpot().idleTick();
  showMeters();
  // Between spins the records are written as soon as they change, so a
  // killed process loses at most the spin in progress.
  if (!engine.jackpot().running() && !engine.gamble().open() && q.recordsSettled)
    q.recordsSettled();
  q.yield();
}

void SpinCycle::showMeters() {
  // No meter moved and nothing on the screen changed since the ticker last
  // showed them: the three captions still stand.
  if (q.screen.revision.value == metersShownAt && grandCaption.showing(q.m.grand) &&
      majorCaption.showing(q.m.major) && minorCaption.showing(q.m.minor))
    return;
  grandCaption.show(q.lblgrand, q.m.grand);
  majorCaption.show(q.lblmajor, q.m.major);
  minorCaption.show(q.lblminor, q.m.minor);
  metersShownAt = q.screen.revision.value;
}

void SpinCycle::MeterCaption::show(Element& label, std::int32_t now) {
  if (text.empty() || now != cents) {
    cents = now;
    text = moneyText(now);
  }
  label.setCaption(text);
}

void SpinCycle::Timerrespin_tick() {
  sounds.openTune();
  sounds.playTune();
  q.yield();
  if (q.idleticks >= timing::kRespinIdleTicks) {
    q.idleticks = 0;
    spin();
    q.setInputAllowed(false);
  }
}

}  // namespace quov
