// A free-spin series in the settings store, beside the player's numbers in
// the player's section of "quovslot": the counters and total under the
// names the machine gives them, the bet, the reels ("reelstops" = "5 12 3
// 22 7"), the reels a wild holds ("heldreels" = "3" or "2 4"), the run
// lengths on lines 1..25 ("winlength") and the history's record of the spin
// that started it ("seriesgame"). Outside a series every one of these keys
// holds the empty text, as in records written before series were kept.
#pragma once

#include <optional>
#include <string>

#include "engine/series_record.h"
#include "platform/services.h"

namespace quov {

void writeSeries(SettingsStore& store, const std::string& section, const SeriesRecord& r);

// The series kept in `section`; nothing when none is kept, or when what is
// kept cannot be a series the machine played (a key missing or damaged):
// a series is resumed whole or not at all.
std::optional<SeriesRecord> readSeries(SettingsStore& store, const std::string& section);

}  // namespace quov
