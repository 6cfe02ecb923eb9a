// Real records for the history's benchmarks, played once by the headless
// machine under autoplay so that the mix of kinds and paying lines is the
// game's, and a desktop history file made of them.
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "platform/game_history.h"

namespace quov::bench {

// The records of about 20 000 autoplay presses in slot 1.
const std::vector<GameRecord>& playedRecords();
// `n` records: the played ones over and over.
std::vector<GameRecord> repeatedRecords(std::size_t n);
// A desktop history at `path` holding `n` records, appended one at a time
// as the game appends them.
void writeHistoryFile(const QString& path, std::size_t n);

}  // namespace quov::bench
