// Scatters and free spins: the scatter animation, the award, the series
// step after every evaluation of a series, and the multiplier draw.
#include "engine/free_spins.h"

#include <string>

#include "engine/engine.h"
#include "engine/reels.h"
#include "engine/wild_animations.h"
#include "engine/win_meter.h"
#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "rules/checked.h"
#include "rules/free_spins.h"
#include "sound/sounds.h"

namespace quov {

namespace {
constexpr const char* kRemaining = "     Freespins Remaining  ";
constexpr const char* kCompleted = "Freespins Completed          ";
}  // namespace

FreeSpins::FreeSpins(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {
  q.screen
      .addBeneath(q.pannomoney, zendara1, "zendara1", ElementKind::Picture, -5999, 7000, 3600, 1950)
      .visible = false;
}

void FreeSpins::Timerscatters_tick() {
  state_.scatterframe += 1;
  if (state_.scatterframe >= 14) state_.scatterframe = 1;
  for (int r = 1; r <= kReels; ++r) {
    const int cell = q.scattercell[r];
    if (cell < 1 || cell > 15) continue;
    q.flasher[cell].setPicture(ImageListId::ImageList1, state_.scatterframe);
    q.flasher[cell].show();
  }
}

void FreeSpins::award(const SpinOutcome& o) {
  add(q.m.howmanyspins, 1);
  awardFreeSpins(q.series, o.readout.scattercount);
  q.panfreespin.hide();
  sounds.play(Clip::FreeSpinsAwarded);
  q.freespinmode = -1;
  if (awardStartsTotal(q.series)) add(q.freespinwin, o.win);  // a retrigger's win is already booked
  q.tmrautospin.disable();
  q.showWinMeter(q.freespinwin, o.win);
  q.setInputAllowed(false);
  q.btnoptions.hide();
  q.btnopenmenu.hide();

  // The queen walks across the screen below the reels, from off its left
  // edge to past its right one, in frames the window can draw.
  zendara1.show();
  q.spinsleft.hide();
  q.slide(zendara1, -5999, 7000, 15000, 7000, timing::kQueenSlideFrames,
          timing::kQueenSlideFramePause);
  q.yield();

  q.spinsleft.show();
  q.spinsleft.setCaption("     Freespins Awarded = " + std::to_string(q.bonuslevel));
  q.Timerrespin.enable();
}

void FreeSpins::seriesStep(const SpinOutcome& o) {
  q.spinsleft.show();
  q.spinsleft.setCaption(kRemaining + std::to_string(freeSpinsRemaining(q.series)));
  const bool complete = quov::seriesStep(q.series, o.readout.scattercount);
  if (o.readout.scattercount >= 3) {
    q.Timerwincounter.enable();
    return;
  }
  if (complete) {
    q.spinsleft.setCaption(kCompleted);
    q.freespinmode = 0;
    if (q.autoplaymode == 10) {
      q.tmrautospin.enable();
      engine.winMeter().takewin_click();
      q.Timerwincounter.enable();
      return;
    }
    q.showWinMeter(q.freespinwin, o.win);
    q.takewin.enable();
    q.takewin.show();
    return;
  }
  q.Timerwincounter.enable();
}

void FreeSpins::freespinbusiness(const SpinOutcome& o) {
  const int d = q.p.random.draw(kMultiplierDraws);
  engine.wildAnimations().startBadge(multiplierForDraw(d).badge);
  q.freespinmult = freeSpinMultiplier(d, wildInWin(o.winlength, o.readout.wildcell, q.linesplayed));
}

bool FreeSpins::inSeries() const { return q.freespinsgiven >= 1; }

SeriesRecord FreeSpins::record() const {
  if (!inSeries()) return {};
  SeriesRecord r;
  r.freespinmode = q.freespinmode;
  r.series = q.series;
  r.freespinwin = q.freespinwin;
  r.spinwin = q.spinwin;
  r.freespinmult = q.freespinmult;
  r.linesplayed = q.linesplayed;
  r.betlevel = q.betlevel;
  const ReelsState& reels = engine.reels().state();
  r.stops = {reels.reel1stop, reels.reel2stop, reels.reel3stop, reels.reel4stop, reels.reel5stop};
  for (int reel = 2; reel <= 4; ++reel) r.heldWild[reel - 2] = q.holds.wild[reel];
  r.winlength = q.winlength;
  return r;
}

void FreeSpins::resume(const SeriesRecord& r) {
  q.freespinmode = r.freespinmode;
  q.series = r.series;
  q.freespinwin = r.freespinwin;
  q.spinwin = r.spinwin;
  q.freespinmult = r.freespinmult;
  q.winlength = r.winlength;
  engine.reels().standAt(r.stops);
  clearHolds(q.holds);
  for (int reel = 2; reel <= 4; ++reel) q.holds.wild[reel] = r.heldWild[reel - 2];

  q.panfreespin.hide();
  q.btnoptions.hide();
  q.btnopenmenu.hide();
  q.showWinMeter(q.freespinwin, q.spinwin);
  q.spinsleft.show();
  if (q.freespinmode == -1) {
    // As the series step left it: the spins still to come.
    q.spinsleft.setCaption(kRemaining + std::to_string(q.freespinsgiven - q.freespinsplayed));
    q.Timerrespin.enable();
    return;
  }
  q.spinsleft.setCaption(kCompleted);
  q.takewin.enable();
  q.takewin.show();
}

}  // namespace quov
