// Scatters and free spins: the scatter animation, the award, the series
// step after every evaluation of a series, and the multiplier draw.
#include "engine/checked.h"
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/free_spins.h"
#include "engine/timing.h"

namespace quov {

void Quov::Timerscatters_tick() {
  scatterframe += 1;
  if (scatterframe >= 14) scatterframe = 1;
  for (int r = 1; r <= kReels; ++r) {
    const int cell = scattercell[r];
    if (cell < 1 || cell > 15) continue;
    flasher[cell].setPicture(ImageListId::ImageList1, scatterframe);
    flasher[cell].show();
  }
}

void Quov::awardFreeSpins() {
  add(m.howmanyspins, 1);
  const FreeSpinAward award = freeSpinAward(scattercount);
  add(freespinsgiven, award.given);
  bonuslevel = award.bonuslevel;
  panfreespin.hide();
  playClip(121);
  freespinmode = -1;
  if (freespinsplayed == 0) add(freespinwin, spinwin);  // a retrigger's win is already booked
  tmrautospin.disable();
  showWinMeter(freespinwin, spinwin);
  setInputAllowed(false);
  btnoptions.hide();
  btnopenmenu.hide();

  // The queen walks across the screen below the reels, from off its left
  // edge to past its right one, in frames the window can draw.
  zendara1.show();
  spinsleft.hide();
  slide(zendara1, -5999, 7000, 15000, 7000, timing::kQueenSlideFrames,
        timing::kQueenSlideFramePause);
  yield();

  spinsleft.show();
  spinsleft.setCaption("     Freespins Awarded = " + std::to_string(bonuslevel));
  Timerrespin.enable();
}

void Quov::seriesStep() {
  spinsleft.show();
  spinsleft.setCaption("     Freespins Remaining  " +
                       std::to_string(freespinsgiven - 1 - freespinsplayed));
  add(freespinsplayed, 1);
  if (scattercount >= 3) {
    Timerwincounter.enable();
    return;
  }
  if (freespinsplayed == freespinsgiven) {
    spinsleft.setCaption("Freespins Completed          ");
    freespinmode = 0;
    if (autoplaymode == 10) {
      tmrautospin.enable();
      takewin_click();
      Timerwincounter.enable();
      return;
    }
    showWinMeter(freespinwin, spinwin);
    takewin.enable();
    takewin.show();
    return;
  }
  Timerwincounter.enable();
}

void Quov::freespinbusiness() {
  const Multiplier mult = multiplierForDraw(p.random.draw(25));
  freespinmult = mult.mult;
  wildpic = mult.badge;
  bool wildinwin = false;
  for (int line = 1; line <= linesplayed && line <= kLines; ++line)
    if (lineTouchesWild(line, winlength[line], wildcell)) wildinwin = true;
  if (!wildinwin) freespinmult = 1;
}

}  // namespace quov
