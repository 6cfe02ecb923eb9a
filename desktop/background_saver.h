// Writes the settings files on a thread of its own, so that a slow disk, a
// lock held elsewhere or a folder that refuses writes never stops the game.
// The game's thread hands over whole snapshots of the settings and goes on;
// only the newest snapshot waits to be written. A failed save is tried again,
// at once when a newer snapshot comes, otherwise after a pause that doubles
// up to a limit, until one succeeds; nothing handed over is dropped.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "desktop/settings_files.h"
#include "platform/services.h"

namespace quov {

class BackgroundSaver {
 public:
  explicit BackgroundSaver(SettingsFiles files);
  BackgroundSaver(const BackgroundSaver&) = delete;
  BackgroundSaver& operator=(const BackgroundSaver&) = delete;
  // Tries once more what is unsaved, then stops the thread.
  ~BackgroundSaver();

  void post(SettingsFiles::Apps snapshot, quint64 generation);
  // Counts as a failed save: a problem found before any save was tried.
  void reportProblem(const QString& reason);
  // Records that could not be read: from now on no save touches the files,
  // each one fails with `reason`, and the health names them.
  void holdSaves(const QString& reason);
  // Blocks until the snapshot posted last has been tried.
  void waitTried();

  SaveHealth health() const;
  bool failingNow() const;
  // Saves tried so far, failed or not.
  std::uint64_t attempts() const;

 private:
  void run();
  void attempt(std::unique_lock<std::mutex>& lock);
  void record(const QString& error);

  const SettingsFiles files_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable tried_;
  SettingsFiles::Apps snapshot_;
  quint64 generation_ = 0;
  std::uint64_t posted_ = 0;     // snapshots handed over
  std::uint64_t triedUpTo_ = 0;  // the last of them tried
  std::uint64_t attempts_ = 0;
  bool unsaved_ = false;  // the newest snapshot is not on disk
  bool stopping_ = false;
  QString held_;  // why no save may be made, when one may not
  SaveHealth health_;
  std::thread worker_;
};

}  // namespace quov
