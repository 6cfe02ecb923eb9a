// The flashing of the winning lines after a spin: each winning played line
// in turn gets five ticks, its segments and the frames of its paying run
// blinking together and its marker in the opposite phase.
#include "presentation/line_flash.h"

#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "presentation/paylines.h"
#include "rules/checked.h"

namespace quov {

namespace {
constexpr std::int16_t kTicksPerLine = 5;
}

void LineFlash::tmrlineflash_tick() {
  const int played = q.linesplayed < kLines ? q.linesplayed : kLines;
  bool anyWon = false;
  for (int i = 1; i <= played; ++i)
    if (q.winline[i] > 0) anyWon = true;
  if (!anyWon) {
    q.tmrlineflash.disable();
    return;
  }

  add(state_.flashcount, 1);
  add(q.loopc, 1);
  // From where the flashing last stood, the next winning played line,
  // wrapping after the last played line; a line gets five ticks.
  for (;;) {
    if (state_.flashpos > played) {
      state_.flashpos = 1;
      state_.flashcount = 1;
    } else if (state_.flashpos < 1 || q.winline[state_.flashpos] == 0 ||
               state_.flashcount > kTicksPerLine) {
      add(state_.flashpos, 1);
      state_.flashcount = 1;
    } else {
      break;
    }
  }

  // loopc is the blink phase here; other handlers use it as a loop counter,
  // so it is brought back to 1 (on) or 0 (off). A line's last tick is off,
  // so the next line starts on a clean screen.
  if (q.loopc > 1) q.loopc = 0;
  if (state_.flashcount == kTicksPerLine) q.loopc = 0;
  const bool on = q.loopc != 0;

  const int k = q.winline[state_.flashpos];
  paylines.PlacePayline(k, on);
  q.lin[k].setVisible(q.loopc != 1);
  if (k == 1) q.lin[26].setVisible(q.loopc != 1);

  const int run = q.winlength[k];
  if (run >= 2 && run <= kReels)
    for (int r = 1; r <= run; ++r) {
      const int c = lineCell(k, r);
      if (q.wildcell[r] == c)
        q.flasher[c].show();  // a wild in the run stays framed
      else
        q.flasher[c].setVisible(on);
    }

  q.yield();
  q.sleep(timing::kLineFlashPause);
}

}  // namespace quov
