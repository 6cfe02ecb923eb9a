// The evaluation of a drawn outcome and the presentation of the one that
// stood.
#include "engine/evaluation.h"

#include "engine/engine.h"
#include "engine/free_spins.h"
#include "mainscreen/quov.h"
#include "rules/checked.h"
#include "rules/paytable.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr std::int16_t kLosingSpinsPerOffer = 25;
}

Evaluation::Evaluation(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void Evaluation::evaluate(SpinOutcome& o, const LineArray& lengths) {
  q.yield();
  if (q.m.reelspeed == 0) q.m.reelspeed = 1;
  if (q.freespinmode == 0) {
    q.bonuslevel = 0;
    q.freespinwin = 0;
    q.freespinmult = 1;
  }
  o.winline.fill(0);
  o.winlength = lengths;
  o.win = 0;
  add(o.win, static_cast<long long>(scatterMultiple(o.readout.scattercount)) * q.totalBet());
  add(o.win, evaluateLines(o.readout.match, q.linesplayed, q.betperline, o.winline, o.winlength));
}

void Evaluation::present(const SpinOutcome& o) {
  if (q.freespinmode != -1) {
    const WinSize size = winSize(o.win);
    q.autopause = size.autopause;
    sounds.play(winClip(size));
  }
  q.yield();

  if (o.readout.scattercount > 1) q.Timerscatters.enable();
  if (o.readout.scattercount > 2) engine.freeSpins().award(o);

  if (o.win > 0)
    for (int line = 1; line <= q.linesplayed && line <= kLines; ++line)
      if (o.readout.match.wildonline(line) > 0) {
        if (q.freespinsplayed < 1) q.Timer4.enable();
        if (q.freespinsplayed > 0) q.timerwild.enable();
      }

  if (o.win > 0) q.tmrlineflash.enable();

  if (q.freespinmode == -1) {
    q.events->outcomeBooked(o);
    engine.freeSpins().seriesStep(o);
    return;
  }
  Modquov& m = q.m;
  add(m.bank, o.win);  // the credit labels follow when the roll-up ends
  q.events->outcomeBooked(o);
  q.btnoptions.enable();
  if (o.win < 1) {
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
  if (o.win > 0 && q.freespinsgiven < 1 && q.autoplaymode == 0) q.doublebutton.enable();
}

}  // namespace quov
