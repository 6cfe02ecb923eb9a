// The flashing of the winning lines after a spin: each winning played line
// in turn gets five ticks, its segments and the frames of its paying run
// blinking together and its marker in the opposite phase.
#include "engine/checked.h"
#include "engine/quov.h"
#include "engine/timing.h"

namespace quov {

namespace {
constexpr std::int16_t kTicksPerLine = 5;
}

void Quov::tmrlineflash_tick() {
  const int played = linesplayed < kLines ? linesplayed : kLines;
  bool anyWon = false;
  for (int i = 1; i <= played; ++i)
    if (winline[i] > 0) anyWon = true;
  if (!anyWon) {
    tmrlineflash.disable();
    return;
  }

  add(flashcount, 1);
  add(loopc, 1);
  // From where the flashing last stood, the next winning played line,
  // wrapping after the last played line; a line gets five ticks.
  for (;;) {
    if (flashpos > played) {
      flashpos = 1;
      flashcount = 1;
    } else if (flashpos < 1 || winline[flashpos] == 0 || flashcount > kTicksPerLine) {
      add(flashpos, 1);
      flashcount = 1;
    } else {
      break;
    }
  }

  // loopc is the blink phase here; other handlers use it as a loop counter,
  // so it is brought back to 1 (on) or 0 (off). A line's last tick is off,
  // so the next line starts on a clean screen.
  if (loopc > 1) loopc = 0;
  if (flashcount == kTicksPerLine) loopc = 0;
  const bool on = loopc != 0;

  const int k = winline[flashpos];
  PlacePayline(k, on);
  lin[k].setVisible(loopc != 1);
  if (k == 1) lin[26].setVisible(loopc != 1);

  const int run = winlength[k];
  if (run >= 2 && run <= kReels)
    for (int r = 1; r <= run; ++r) {
      const int c = lineCell(k, r);
      if (wildcell[r] == c)
        flasher[c].show();  // a wild in the run stays framed
      else
        flasher[c].setVisible(on);
    }

  yield();
  sleep(timing::kLineFlashPause);
}

}  // namespace quov
