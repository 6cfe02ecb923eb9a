// The reel chain: each reel procedure draws its stop (or keeps it while the
// reel is held by a free-spin wild), reads its cells into the match values
// and hands over to the next; the last one calls finishspin.
#include "engine/reels.h"

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "mainscreen/quov.h"

namespace quov {

Reels::Reels(Engine& e) : engine(e), q(e.q), sounds(e.sounds) {}

void Reels::spinreel1() {
  // A voided outcome is replaced by a fresh spin right where the settlement
  // voided it. Running the replacement here, after the voided chain has
  // unwound (it had nothing left to do), keeps the order of events and lets
  // any chain of voids run in constant stack.
  do {
    state.respinDue = false;
    reelChain();
  } while (state.respinDue);
}

void Reels::reelChain() {
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

  state.reel1stop = static_cast<std::int16_t>(q.p.random.draw(kStops));
  state.reel1mark = static_cast<std::int16_t>(reelMark(1));
  state.reel1pos = -kCellTwips * (state.reel1stop - 1);
  readReel(q.readout, 1, state.reel1stop);
  state.reel1pos -= kCellTwips;
  spinreel2();
}

void Reels::standAt(const std::array<std::int16_t, kReels>& stops) {
  std::int16_t* stop[kReels] = {&state.reel1stop, &state.reel2stop, &state.reel3stop,
                                &state.reel4stop, &state.reel5stop};
  std::int16_t* mark[kReels] = {&state.reel1mark, &state.reel2mark, &state.reel3mark,
                                &state.reel4mark, &state.reel5mark};
  std::int32_t* pos[kReels] = {&state.reel1pos, &state.reel2pos, &state.reel3pos,
                               &state.reel4pos, &state.reel5pos};
  q.readout.clear();
  for (int r = 1; r <= kReels; ++r) {
    const std::size_t i = static_cast<std::size_t>(r - 1);
    *stop[i] = stops[i];
    *mark[i] = static_cast<std::int16_t>(reelMark(r));
    *pos[i] = -kCellTwips * (stops[i] - 1) - kCellTwips;
    readReel(q.readout, r, stops[i]);
    q.reel[r].move(0, *pos[i]);
  }
}

namespace {
// Steps of reels 2 to 4: a reel that showed its wild in the last drawing of
// a free-spin series keeps its stop once more.
void drawHoldableReel(Quov& q, int r, std::int16_t& stop, std::int16_t& mark, std::int32_t& pos) {
  if (!keepsStop(q.holds, r)) stop = static_cast<std::int16_t>(q.p.random.draw(kStops));
  mark = static_cast<std::int16_t>(reelMark(r));
  pos = -kCellTwips * (stop - 1);
  noteWild(q.holds, r, readReel(q.readout, r, stop));
  pos -= kCellTwips;
}
}  // namespace

void Reels::spinreel2() {
  drawHoldableReel(q, 2, state.reel2stop, state.reel2mark, state.reel2pos);
  spinreel3();
}

void Reels::spinreel3() {
  drawHoldableReel(q, 3, state.reel3stop, state.reel3mark, state.reel3pos);
  spinreel4();
}

void Reels::spinreel4() {
  drawHoldableReel(q, 4, state.reel4stop, state.reel4mark, state.reel4pos);
  spinreel5();
}

void Reels::spinreel5() {
  state.reel5stop = static_cast<std::int16_t>(q.p.random.draw(kStops));
  state.reel5mark = static_cast<std::int16_t>(reelMark(5));
  state.reel5pos = -kCellTwips * (state.reel5stop - 1);
  readReel(q.readout, 5, state.reel5stop);
  state.reel5pos -= kCellTwips;
  engine.evaluation().finishspin();
}

}  // namespace quov
