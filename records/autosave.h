// Crash-safe records: the exit save is also written whenever the machine is
// idle and a record has changed since the last write, so that a killed
// process loses at most the spin in progress.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "mainscreen/modquov.h"
#include "platform/services.h"

namespace quov {

class RecordKeeper {
 public:
  // Remembers what the store now holds (after the start-up load).
  void remember(const Modquov& m) { last_ = snapshot(m); }
  // Writes the exit-save keys when anything they hold has changed.
  bool saveIfChanged(SettingsStore& store, const Modquov& m);

 private:
  using Snapshot =
      std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                 std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                 std::string, std::int16_t, std::int16_t, std::int16_t, std::int32_t,
                 std::int32_t, std::int32_t, std::int32_t, std::string>;
  static Snapshot snapshot(const Modquov& m);
  Snapshot last_{};
};

}  // namespace quov
