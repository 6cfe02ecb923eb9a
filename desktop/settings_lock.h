// The lock file beside a settings file (QSettings's own "<file>.lock"),
// taken without ever waiting more than a few milliseconds. A lock whose
// owner has died, and one whose content is garbage, is removed at once; a
// lock held by a live process makes the attempt fail, so the save is tried
// again later instead of stopping the game.
#pragma once

#include <QLockFile>
#include <QString>

namespace quov {

class SettingsLock {
 public:
  explicit SettingsLock(const QString& lockPath);
  // The empty text when the lock is now held, otherwise why not.
  QString acquire();
  // Timed waits `acquire` made (each at most kStoreLockWait).
  int waits() const { return waits_; }

 private:
  bool tryOnce();
  QString path_;
  QLockFile lock_;
  int waits_ = 0;
};

}  // namespace quov
