// The end of a spin: evaluation, settlement, meter step, the spin-down
// animation and the presentation of the outcome.
#include "engine/evaluation.h"

#include "engine/engine.h"
#include "engine/free_spins.h"
#include "engine/jackpot.h"
#include "engine/reels.h"
#include "rules/checked.h"
#include "rules/paytable.h"
#include "engine/spin_cycle.h"
#include "mainscreen/quov.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr std::int16_t kLosingSpinsPerOffer = 25;
}

Evaluation::Evaluation(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void Evaluation::finishspin() {
  evaluateOutcome();
  q.events->outcomeDrawn();
  if (engine.spinCycle().settle()) {
    q.events->outcomeVoided();
    engine.reels().respinAfterVoid();  // spinreel1 draws the replacement spin
    return;
  }
  engine.jackpot().meterStep();
  if (q.freespinmode == 0) q.showCredit();  // the debited credit shows before the reels move
  q.yield();
  engine.reels().spinDown();
  present();
}

void Evaluation::evaluateOutcome() {
  q.yield();
  if (q.m.reelspeed == 0) q.m.reelspeed = 1;
  if (q.freespinmode == 0) {
    q.bonuslevel = 0;
    q.freespinwin = 0;
    q.freespinmult = 1;
  }
  q.spinwin = 0;
  for (int line = 1; line <= kLines; ++line) q.winline[line] = 0;
  add(q.spinwin, static_cast<long long>(scatterMultiple(q.scattercount)) * q.totalBet());
  add(q.spinwin, evaluateLines(q.match, q.linesplayed, q.betperline, q.winline, q.winlength));
}

void Evaluation::present() {
  if (q.freespinmode != -1) {
    const WinSize size = winSize(q.spinwin);
    q.autopause = size.autopause;
    sounds.play(winClip(size));
  }
  q.yield();

  if (q.scattercount > 1) q.Timerscatters.enable();
  if (q.scattercount > 2) engine.freeSpins().award();

  if (q.spinwin > 0)
    for (int line = 1; line <= q.linesplayed && line <= kLines; ++line)
      if (q.match.wildonline(line) > 0) {
        if (q.freespinsplayed < 1) q.Timer4.enable();
        if (q.freespinsplayed > 0) q.timerwild.enable();
      }

  if (q.spinwin > 0) q.tmrlineflash.enable();

  if (q.freespinmode == -1) {
    q.events->outcomeBooked();
    engine.freeSpins().seriesStep();
    return;
  }
  Modquov& m = q.m;
  add(m.bank, q.spinwin);  // the credit labels follow when the roll-up ends
  q.events->outcomeBooked();
  q.btnoptions.enable();
  if (q.spinwin < 1) {
    q.LABWIN.setCaption("No Win");
    q.lblwin.setCaption("");
    add(m.popupcount, 1);
    if (m.popupcount == kLosingSpinsPerOffer) {
      q.screen.visible = false;
      if (q.offerDue) q.offerDue();  // the offer screen's load starts the count again
      q.autoplaymode = 0;
    }
  } else {
    q.Timerwincounter.enable();
  }
  if (q.spinwin > 0 && q.freespinsgiven < 1 && q.autoplaymode == 0) q.doublebutton.enable();
}

}  // namespace quov
