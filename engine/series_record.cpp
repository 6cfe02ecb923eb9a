#include "engine/series_record.h"

#include <algorithm>

#include "rules/bets.h"

namespace quov {

bool plausible(const SeriesRecord& r) {
  const Series& s = r.series;
  // Running: the evaluation that awarded the series is counted, spins are
  // left. Complete: every spin given was played.
  const bool counters = r.freespinmode == -1   ? s.played >= 1 && s.played < s.given
                        : r.freespinmode == 0 ? s.played == s.given
                                               : false;
  if (!counters || s.given < 1) return false;
  if (s.bonuslevel != 10 && s.bonuslevel != 15 && s.bonuslevel != 20) return false;
  if (r.freespinwin < 0 || r.spinwin < 0 || r.spinwin > r.freespinwin) return false;
  if (std::find(kFreeSpinMultipliers.begin(), kFreeSpinMultipliers.end(), r.freespinmult) ==
      kFreeSpinMultipliers.end())
    return false;
  if (std::find(kLineChoices.begin(), kLineChoices.end(), r.linesplayed) == kLineChoices.end())
    return false;
  if (betPerLine(r.betlevel) == 0) return false;
  for (std::int16_t stop : r.stops)
    if (stop < 1 || stop > kStops) return false;
  for (int line = 1; line <= kLines; ++line)
    if (r.winlength[line] < 0 || r.winlength[line] > 5) return false;
  return r.winlength[0] == 0 && r.historyId >= 0;
}

}  // namespace quov
