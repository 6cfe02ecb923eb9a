// The win meter: the count-up after a win, the hold of each free spin's
// result, and the collect of a free-spin series.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/win_meter.h"
#include "engine/timing.h"

namespace quov {

void Quov::Timerwincounter_tick() {
  yield();
  if (freespinmode == -1 && freespinsplayed > 1) {
    // During a series the meter holds each result for 31 ticks, then the
    // next free spin starts.
    rolled = spinwin;
    add(seriesticks, 1);
    showWinMeter(freespinwin, spinwin);
    if (seriesticks > timing::kFreeSpinHoldTicks) {
      seriesticks = 0;
      Timerwincounter.disable();
      rolled = 0;
      rollstep = 0;
      takewin.disable();
      yield();
      Timerrespin.enable();
    }
    return;
  }

  if (m.winroll == 0) rolled = spinwin;
  add(rolled, rollstep);
  rollstep = nextRollStep(rolled);
  if (rolled >= spinwin) {
    showWinMeter(spinwin, spinwin);
    showCredit();
    Timerwincounter.disable();
    rolled = 0;
  } else {
    showWinMeter(rolled, rolled);
  }
}

void Quov::takewin_click() {
  p.sound.mediaCommand("close quovspin");
  playClip(125);
  yield();
  keycount = 0;
  freespinsplayed = 0;
  freespinsgiven = 0;
  freespinmode = 0;
  rolled = 0;
  rollstep = 0;
  idleticks = 0;
  Timerrespin.disable();
  showWinMeter(freespinwin, spinwin);
  add(m.bank, freespinwin);
  showCredit();
  gamblecarry = freespinwin;
  freespinwin = 0;
  spinwin = 0;

  spinsleft.hide();
  autoplayon.enable();
  coinsin.enable();
  payline.enable();
  btnspin.enable();
  btnbet.enable();
  panfreespin.show();
  lbllast.show();
  doublebutton.enable();
  takewin.disable();
  takewin.hide();
  if (autoplaymode > 0) btnoptions.disable();
  if (autoplaymode == 0) {
    btnoptions.enable();
    btnopenmenu.enable();
    autoplayon.enable();
    coinsin.enable();
    tmrautospin.disable();
    doublebutton.enable();
    takewin.disable();
    takewin.hide();
  }
  setInputAllowed(true);
}

}  // namespace quov
