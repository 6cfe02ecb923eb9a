#include "played_records.h"

#include "desktop/sqlite_history.h"
#include "headless/headless_machine.h"

namespace quov::bench {

const std::vector<GameRecord>& playedRecords() {
  static const std::vector<GameRecord> records = [] {
    HeadlessMachine machine(31);
    machine.platform.store.write("quovslot", "player1", "bank", "100000000");
    machine.platform.sound.recording = false;
    machine.start();
    machine.advance(100);
    machine.click(machine.quov.autoplayon);
    while (machine.platform.history.count() < 20000 && machine.quov.autoplaymode != 0)
      machine.advance(10000);
    const MemoryHistory::Records& kept = machine.platform.history.records;
    return std::vector<GameRecord>(kept.begin(), kept.end());
  }();
  return records;
}

std::vector<GameRecord> repeatedRecords(std::size_t n) {
  const auto& played = playedRecords();
  std::vector<GameRecord> out;
  out.reserve(n);
  for (std::size_t i = 0; i < n; ++i) out.push_back(played[i % played.size()]);
  return out;
}

void writeHistoryFile(const QString& path, std::size_t n) {
  const auto& played = playedRecords();
  SqliteHistory history(path);
  for (std::size_t i = 0; i < n; ++i) {
    GameRecord r = played[i % played.size()];
    history.append(r);
  }
}

}  // namespace quov::bench
