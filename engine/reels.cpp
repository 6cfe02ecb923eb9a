// The reel chain: each reel procedure draws its stop (or keeps it while the
// reel is held by a free-spin wild), reads its cells into the match values
// and hands over to the next; the last one calls finishspin. The spin-down
// animation then moves the strips into the positions already decided.
#include <optional>

#include "engine/quov.h"
#include "engine/rules/spin_down.h"
#include "engine/timing.h"

namespace quov {

void Quov::spinreel1() {
  // A voided outcome is replaced by a fresh spin right where the settlement
  // voided it. Running the replacement here, after the voided chain has
  // unwound (it had nothing left to do), keeps the order of events and lets
  // any chain of voids run in constant stack.
  do {
    respinDue_ = false;
    reelChain();
  } while (respinDue_);
}

void Quov::reelChain() {
  doublebutton.disable();
  pannomoney.hide();
  tmrlineflash.disable();
  Timerscatters.disable();
  tmrtick.disable();
  Timer4.disable();
  timerwild.disable();
  for (int r = 1; r <= kReels; ++r) {
    scattercell[r] = 0;
    wildcell[r] = 0;
  }
  scattercount = 0;
  match.clearLines();
  Timerrespin.disable();
  for (int k = 1; k <= kLines; ++k) lin[k].show();
  for (int e = 1; e <= 6; ++e) Lineflash[e].hide();
  yield();
  for (int n = 1; n <= 15; ++n) {
    flasher[n].hide();
    flasher[n].setPicture(ImageListId::ImageList1, 14);
  }
  yield();
  yield();  // the row-line lists are the constant payline table

  reel1stop = static_cast<std::int16_t>(p.random.draw(kStops));
  reel1mark = static_cast<std::int16_t>(reelMark(1));
  reel1pos = -kCellTwips * (reel1stop - 1);
  readReel(readout, 1, reel1stop);
  reel1pos -= kCellTwips;
  spinreel2();
}

namespace {
// Steps of reels 2 to 4: a reel that showed its wild in the last drawing of
// a free-spin series keeps its stop once more.
template <class WildFlag, class HeldFlag>
void drawHoldableReel(Quov& q, int r, std::int16_t& stop, std::int16_t& mark, std::int32_t& pos,
                      WildFlag& wild, HeldFlag& held) {
  if (wild > 0)
    held = 1;
  else
    stop = static_cast<std::int16_t>(q.p.random.draw(kStops));
  mark = static_cast<std::int16_t>(reelMark(r));
  pos = -kCellTwips * (stop - 1);
  if (readReel(q.readout, r, stop)) wild = 1;
  pos -= kCellTwips;
}
}  // namespace

void Quov::spinreel2() {
  drawHoldableReel(*this, 2, reel2stop, reel2mark, reel2pos, reel2wild, reel2held);
  spinreel3();
}

void Quov::spinreel3() {
  drawHoldableReel(*this, 3, reel3stop, reel3mark, reel3pos, reel3wild, reel3held);
  spinreel4();
}

void Quov::spinreel4() {
  drawHoldableReel(*this, 4, reel4stop, reel4mark, reel4pos, reel4wild, reel4held);
  spinreel5();
}

void Quov::spinreel5() {
  reel5stop = static_cast<std::int16_t>(p.random.draw(kStops));
  reel5mark = static_cast<std::int16_t>(reelMark(5));
  reel5pos = -kCellTwips * (reel5stop - 1);
  readReel(readout, 5, reel5stop);
  reel5pos -= kCellTwips;
  finishspin();
}

void Quov::spinDown() {
  // Speeds the options screen cannot produce have no row; such a value
  // plays at the fastest speed rather than never moving the strips.
  const SpinDownSpeed speed = spinDownSpeed(m.reelspeed).value_or(*spinDownSpeed(1));
  const int frameSleep = speed.pause + timing::kFrameExtra;
  const std::int32_t pos[6] = {0, reel1pos, reel2pos, reel3pos, reel4pos, reel5pos};
  auto held = [this](int r) {
    return (r == 2 && reel2held > 0) || (r == 3 && reel3held > 0) || (r == 4 && reel4held > 0);
  };
  const bool clipsOn = freespinmode == 0 && m.soundonoff == -1;
  auto pass = [&](std::int32_t target, auto&& frame) {
    for (std::int32_t top = target - kPassLength; top <= target; top += speed.step) {
      frame(top);
      sleep(frameSleep);
    }
  };

  for (int n = 0; n < kPhase0Passes; ++n)
    pass(reel1pos, [&](std::int32_t top) {
      reel[1].move(0, top);
      reel[5].move(0, top);
      for (int r = 2; r <= 4; ++r) {
        if (!held(r)) {
          reel[r].move(0, top);
        } else if (r == 2) {
          reel2wild = 0;
        } else if (r == 3) {
          reel3wild = 0;
        } else {
          reel4wild = 0;
        }
      }
    });

  for (int k = 1; k <= 4; ++k) {
    const std::int32_t base = pos[k] + kBounceRise;
    int bounce = 0;
    if (clipsOn && (k == 1 || !held(k))) playClip(104);
    if (clipsOn && scattercell[k] > 0) {
      if (k <= 3)
        playClip(141 + k);
      else if (scattercount >= 2)
        playClip(145);
    }
    for (int n = 0; n < speed.passes; ++n)
      pass(pos[k + 1], [&](std::int32_t top) {
        if (bounce < kBounceRise) {
          bounce += kBounceStep;
          if (!held(k)) reel[k].move(0, base - bounce);
        }
        for (int r = k + 1; r <= 5; ++r)
          if (!held(r)) reel[r].move(0, top);
      });
  }

  const std::int32_t base = reel5pos + kBounceRise;
  if (clipsOn) playClip(104);
  if (clipsOn && scattercell[5] > 0 && scattercount >= 2) playClip(146);
  for (int bounce = 0; bounce <= kBounceRise; bounce += kBounceStep) {
    reel[5].move(0, base - bounce);
    sleep(frameSleep);
  }

  reel2held = reel3held = 0;
  reel4held = 0;
  tmrtick.enable();
}

}  // namespace quov
