// The five reel procedures: each draws its reel's stop (or keeps it while
// the reel is held by a free-spin wild) and reads its cells into the spin's
// outcome.
#include "engine/reels.h"

#include "engine/engine.h"
#include "mainscreen/quov.h"

namespace quov {

Reels::Reels(Engine& e) : q(e.q), sounds(e.sounds) {}

void Reels::spinreel1(SpinOutcome& o) {
  q.doublebutton.disable();
  q.pannomoney.hide();
  q.tmrlineflash.disable();
  q.Timerscatters.disable();
  q.tmrtick.disable();
  q.Timer4.disable();
  q.timerwild.disable();
  q.readout.clear();
  q.Timerrespin.disable();
  for (int k = 1; k <= kLines; ++k) q.lin[k].show();
  for (int e = 1; e <= 6; ++e) q.Lineflash[e].hide();
  q.yield();
  for (int n = 1; n <= 15; ++n) {
    q.flasher[n].hide();
    q.flasher[n].setPicture(ImageListId::ImageList1, 14);
  }
  q.yield();
  q.yield();  // the row-line lists are the constant payline table

  drawReel(o, 1, state_.reel1stop, state_.reel1pos);
}

void Reels::standAt(const std::array<std::int16_t, kReels>& stops) {
  std::int16_t* stop[kReels] = {&state_.reel1stop, &state_.reel2stop, &state_.reel3stop,
                                &state_.reel4stop, &state_.reel5stop};
  std::int32_t* pos[kReels] = {&state_.reel1pos, &state_.reel2pos, &state_.reel3pos,
                               &state_.reel4pos, &state_.reel5pos};
  q.readout.clear();
  for (int r = 1; r <= kReels; ++r) {
    const std::size_t i = static_cast<std::size_t>(r - 1);
    *stop[i] = stops[i];
    *pos[i] = -kCellTwips * (stops[i] - 1) - kCellTwips;
    readReel(q.readout, r, stops[i]);
    q.reel[r].move(0, *pos[i]);
  }
}

void Reels::drawReel(SpinOutcome& o, int r, std::int16_t& stop, std::int32_t& pos) {
  if (!keepsStop(q.holds, r)) stop = static_cast<std::int16_t>(q.p.random.draw(kStops));
  pos = -kCellTwips * (stop - 1);
  o.stops[static_cast<std::size_t>(r)] = stop;
  noteWild(q.holds, r, readReel(o.readout, r, stop));
  pos -= kCellTwips;
}

void Reels::spinreel2(SpinOutcome& o) { drawReel(o, 2, state_.reel2stop, state_.reel2pos); }

void Reels::spinreel3(SpinOutcome& o) { drawReel(o, 3, state_.reel3stop, state_.reel3pos); }

void Reels::spinreel4(SpinOutcome& o) { drawReel(o, 4, state_.reel4stop, state_.reel4pos); }

void Reels::spinreel5(SpinOutcome& o) { drawReel(o, 5, state_.reel5stop, state_.reel5pos); }

}  // namespace quov
