#include "records/history_meters.h"

namespace quov {

namespace {
bool isSlot(int slot) { return slot >= 1 && slot <= 6; }
}  // namespace

const IntegrityMeters& HistoryMeters::ofSlot(int slot) {
  if (!read_) {
    read_ = true;
    history_.forEachMoney(0, [this](const RecordMoney& r) {
      if (isSlot(r.slot)) bySlot_[static_cast<std::size_t>(r.slot - 1)].add(r);
    });
  }
  return isSlot(slot) ? bySlot_[static_cast<std::size_t>(slot - 1)] : none_;
}

void HistoryMeters::kept(const GameRecord& r) {
  if (!read_) return;  // the reading at the first question counts it
  if (isSlot(r.slot)) bySlot_[static_cast<std::size_t>(r.slot - 1)].add(r);
}

}  // namespace quov
