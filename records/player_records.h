// The player's records in the settings store: which keys the start-up, the
// exit and the options screen read and write, in their orders. Numbers are
// stored as decimal text; a value that is missing or not a number of the
// variable's width leaves the variable as it was.
#pragma once

#include <string>

#include "mainscreen/modquov.h"
#include "platform/services.h"

namespace quov {

inline constexpr const char* kPlayerApp = "quovslot";
inline constexpr const char* kMetersApp = "allslot";

// "player" and the slot number of `playerslot` ("1" .. "6"); "player" alone
// for any other text.
std::string slotSection(const std::string& playerslot);

// The start-up load of slot 1, in its order ("sizescreen" read and dropped).
void startupLoad(SettingsStore& store, Modquov& m);
// The exit save to the current slot: player numbers, meters, name, winroll
// and the empty "sizescreen".
void exitSave(SettingsStore& store, const Modquov& m);

// One read: false when the value is missing or no number of T's width.
bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int16_t& v);
bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int32_t& v);

}  // namespace quov
