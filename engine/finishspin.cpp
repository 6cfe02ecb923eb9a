// The end of a spin: evaluation, settlement, meter step, the spin-down
// animation and the presentation of the outcome.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/paytable.h"

namespace quov {

void Quov::finishspin() {
  evaluateOutcome();
  if (settle()) {
    respinDue_ = true;  // spinreel1 draws the replacement spin
    return;
  }
  meterStep();
  if (freespinmode == 0) showCredit();  // the debited credit shows before the reels move
  yield();
  spinDown();
  present();
}

void Quov::evaluateOutcome() {
  yield();
  if (m.reelspeed == 0) m.reelspeed = 1;
  if (freespinmode == 0) {
    bonuslevel = 0;
    freespinwin = 0;
    freespinmult = 1;
  }
  spinwin = 0;
  atrisk = 0;
  for (int line = 1; line <= kLines; ++line) winline[line] = 0;
  add(spinwin, static_cast<long long>(scatterMultiple(scattercount)) * totalBet());
  add(spinwin, evaluateLines(match, linesplayed, betperline, winline, winlength));
}

void Quov::present() {
  if (freespinmode != -1) {
    const WinSize size = winSize(spinwin);
    autopause = size.autopause;
    if (size.clip != 0) playClip(size.clip);
  }
  yield();

  if (scattercount > 1) Timerscatters.enable();
  if (scattercount > 2) awardFreeSpins();

  if (spinwin > 0)
    for (int line = 1; line <= linesplayed && line <= kLines; ++line)
      if (wildonline[line] > 0) {
        if (freespinsplayed < 1) Timer4.enable();
        if (freespinsplayed > 0) timerwild.enable();
      }

  if (spinwin > 0) tmrlineflash.enable();

  if (freespinmode == -1) {
    seriesStep();
    return;
  }
  add(m.bank, spinwin);  // the credit labels follow when the roll-up ends
  btnoptions.enable();
  if (spinwin < 1) {
    LABWIN.setCaption("No Win");
    lblwin.setCaption("");
    add(m.popupcount, 1);
    if (m.popupcount == 25) {
      screen.visible = false;
      popupquov.visible = true;
      m.popupcount = 0;  // the offer screen's load starts the count again
      autoplaymode = 0;
    }
  } else {
    Timerwincounter.enable();
  }
  if (spinwin > 0 && freespinsgiven < 1 && autoplaymode == 0) doublebutton.enable();
}

}  // namespace quov
