// Scatters and free spins: the scatter animation, the award, the series
// step after every evaluation of a series, and the multiplier draw.
#include "engine/free_spins.h"

#include <string>

#include "engine/engine.h"
#include "engine/rules/checked.h"
#include "engine/rules/free_spins.h"
#include "engine/win_meter.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "sound/sounds.h"

namespace quov {

FreeSpins::FreeSpins(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void FreeSpins::Timerscatters_tick() {
  q.scatterframe += 1;
  if (q.scatterframe >= 14) q.scatterframe = 1;
  for (int r = 1; r <= kReels; ++r) {
    const int cell = q.scattercell[r];
    if (cell < 1 || cell > 15) continue;
    q.flasher[cell].setPicture(ImageListId::ImageList1, q.scatterframe);
    q.flasher[cell].show();
  }
}

void FreeSpins::award() {
  add(q.m.howmanyspins, 1);
  awardFreeSpins(q.series, q.scattercount);
  q.panfreespin.hide();
  sounds.play(Clip::FreeSpinsAwarded);
  q.freespinmode = -1;
  if (awardStartsTotal(q.series)) add(q.freespinwin, q.spinwin);  // a retrigger's win is already booked
  q.tmrautospin.disable();
  q.showWinMeter(q.freespinwin, q.spinwin);
  q.setInputAllowed(false);
  q.btnoptions.hide();
  q.btnopenmenu.hide();

  // The queen walks across the screen below the reels, from off its left
  // edge to past its right one, in frames the window can draw.
  q.zendara1.show();
  q.spinsleft.hide();
  q.slide(q.zendara1, -5999, 7000, 15000, 7000, timing::kQueenSlideFrames,
          timing::kQueenSlideFramePause);
  q.yield();

  q.spinsleft.show();
  q.spinsleft.setCaption("     Freespins Awarded = " + std::to_string(q.bonuslevel));
  q.Timerrespin.enable();
}

void FreeSpins::seriesStep() {
  q.spinsleft.show();
  q.spinsleft.setCaption("     Freespins Remaining  " +
                         std::to_string(freeSpinsRemaining(q.series)));
  const bool complete = quov::seriesStep(q.series, q.scattercount);
  if (q.scattercount >= 3) {
    q.Timerwincounter.enable();
    return;
  }
  if (complete) {
    q.spinsleft.setCaption("Freespins Completed          ");
    q.freespinmode = 0;
    if (q.autoplaymode == 10) {
      q.tmrautospin.enable();
      engine.winMeter().takewin_click();
      q.Timerwincounter.enable();
      return;
    }
    q.showWinMeter(q.freespinwin, q.spinwin);
    q.takewin.enable();
    q.takewin.show();
    return;
  }
  q.Timerwincounter.enable();
}

void FreeSpins::freespinbusiness() {
  const int d = q.p.random.draw(kMultiplierDraws);
  q.wildpic = multiplierForDraw(d).badge;
  q.freespinmult = freeSpinMultiplier(d, wildInWin(q.winlength, q.wildcell, q.linesplayed));
}

}  // namespace quov
