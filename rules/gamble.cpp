#include "rules/gamble.h"

namespace quov {

HistoryStep historyStep(int count) {
  HistoryStep step;
  if (count >= 1 && count <= kHistorySlots) {
    step.slot = count;
    return step;
  }
  if (count <= kHistorySlots || count > 2 * kHistorySlots) return step;
  // Oldest first: the slots after the newest one, then those before it.
  constexpr int kRowLefts[kHistorySlots] = {360, 960, 1560, 2160, 2760};
  const int j = count - kHistorySlots;
  step.slot = j;
  step.relayout = true;
  int position = 0;
  for (int k = 1; k < kHistorySlots; ++k) {
    const int slot = (j + k - 1) % kHistorySlots + 1;
    step.left[slot] = kRowLefts[position++];
  }
  step.left[j] = kRowLefts[kHistorySlots - 1];
  return step;
}

}  // namespace quov
