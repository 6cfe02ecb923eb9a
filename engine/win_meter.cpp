// The win meter: the count-up after a win, the hold of each free spin's
// result, and the collect of a free-spin series.
#include "engine/win_meter.h"

#include "engine/engine.h"
#include "engine/gamble.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "rules/checked.h"
#include "rules/win_meter.h"
#include "sound/sounds.h"

namespace quov {

WinMeter::WinMeter(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void WinMeter::Timerwincounter_tick() {
  q.yield();
  if (q.freespinmode == -1 && q.freespinsplayed > 1) {
    // During a series the meter holds each result for 31 ticks, then the
    // next free spin starts.
    state_.rolled = q.spinwin;
    add(state_.seriesticks, 1);
    q.showWinMeter(q.freespinwin, q.spinwin);
    if (state_.seriesticks > timing::kFreeSpinHoldTicks) {
      state_.seriesticks = 0;
      q.Timerwincounter.disable();
      state_.rolled = 0;
      state_.rollstep = 0;
      q.takewin.disable();
      q.yield();
      q.Timerrespin.enable();
    }
    return;
  }

  if (q.m.winroll == 0) state_.rolled = q.spinwin;
  add(state_.rolled, state_.rollstep);
  state_.rollstep = nextRollStep(state_.rolled);
  if (state_.rolled >= q.spinwin) {
    q.showWinMeter(q.spinwin, q.spinwin);
    q.showCredit();
    q.Timerwincounter.disable();
    state_.rolled = 0;
  } else {
    q.showWinMeter(state_.rolled, state_.rolled);
  }
}

void WinMeter::takewin_click() {
  sounds.closeTune();
  sounds.play(Clip::Prize);
  q.yield();
  q.keycount = 0;
  q.freespinsplayed = 0;
  q.freespinsgiven = 0;
  q.freespinmode = 0;
  state_.rolled = 0;
  state_.rollstep = 0;
  q.idleticks = 0;
  q.Timerrespin.disable();
  q.showWinMeter(q.freespinwin, q.spinwin);
  add(q.m.bank, q.freespinwin);
  q.events->seriesCollected();
  q.showCredit();
  engine.gamble().carrySeries(q.freespinwin);
  q.freespinwin = 0;
  q.spinwin = 0;

  q.spinsleft.hide();
  q.autoplayon.enable();
  q.coinsin.enable();
  q.payline.enable();
  q.btnspin.enable();
  q.btnbet.enable();
  q.panfreespin.show();
  q.lbllast.show();
  q.doublebutton.enable();
  q.takewin.disable();
  q.takewin.hide();
  if (q.autoplaymode > 0) q.btnoptions.disable();
  if (q.autoplaymode == 0) {
    q.btnoptions.enable();
    q.btnopenmenu.enable();
    q.autoplayon.enable();
    q.coinsin.enable();
    q.tmrautospin.disable();
    q.doublebutton.enable();
    q.takewin.disable();
    q.takewin.hide();
  }
  q.setInputAllowed(true);
}

}  // namespace quov
