// The player's records in the settings store: which keys the start-up, the
// exit and the options screen read and write, in their orders. Numbers are
// stored as decimal text; a value that is missing or not a number of the
// variable's width, and credit, counters and meters below 0, leave the
// variable as it was. A stored text that cannot be read is kept in the store
// until the game has a value of its own for it.
#pragma once

#include <cstdint>
#include <optional>
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
// The exit save's keys whose values differ between `before` (what the
// current slot's section holds) and `now`, in the same order and flush.
void saveChanges(SettingsStore& store, const Modquov& before, const Modquov& now);
// Whether `a` and `b` would leave the store alike: every value the exit save
// keeps is the same, and so is the slot it keeps them in.
bool storedAlike(const Modquov& a, const Modquov& b);

// The slot number of `playerslot` ("1" .. "6"), 0 for any other text.
int slotNumber(const std::string& playerslot);

// The options screen's operations on one slot:
// the name stored in slot 1..6 (the empty text for a vacant slot);
std::string slotName(SettingsStore& store, int slot);
// the slot load of slot 1..6: the options and money start from their
// defaults and, unlike before, so do the free-spin count and the jackpot
// counters, so a vacant slot never inherits the previous player's; the
// sound switch and the meters carry over where the slot lacks them. Every
// value that cannot be read puts the reel speed at 1.
void slotLoad(SettingsStore& store, Modquov& m, int slot);
// the slot save to the current slot: player numbers, meters and name;
void slotSave(SettingsStore& store, const Modquov& m);
// the save when the screen closes: player numbers and meters, not the name.
void closeSave(SettingsStore& store, const Modquov& m);

// How many records of slot 1..6's games the game history could not keep,
// in the slot's section: a missing key reads as 0, a value that is no
// count as nothing.
inline constexpr const char* kMissedKey = "historymissed";
std::optional<std::int64_t> readMissed(SettingsStore& store, int slot);

// One read: false when the value is missing or no number of T's width.
bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int16_t& v);
bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int32_t& v);

}  // namespace quov
