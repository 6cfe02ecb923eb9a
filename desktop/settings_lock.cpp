#include "desktop/settings_lock.h"

#include <sys/stat.h>

#include <QFile>

#include "mainscreen/timing.h"

namespace quov {

SettingsLock::SettingsLock(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
  lock_.setStaleLockTime(timing::kStoreStaleLock);
}

bool SettingsLock::tryOnce() {
  ++waits_;
  return lock_.tryLock(timing::kStoreLockWait);
}

QString SettingsLock::acquire() {
  // Reading a pipe or a device put in the lock's place would block: what is
  // not a regular file there is junk and goes, a folder is a failure.
  struct stat st {};
  const QByteArray native = QFile::encodeName(path_);
  if (::lstat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode) || ::unlink(native.constData()) != 0)
      return path_ + QStringLiteral(" is in the way and cannot be removed");
  }
  if (tryOnce()) return {};
  if (lock_.error() == QLockFile::LockFailedError) {
    // A dead owner's lock was removed by the attempt itself; one that still
    // does not name its owner after the wait is garbage.
    qint64 pid = 0;
    QString host, app;
    if (lock_.getLockInfo(&pid, &host, &app))
      return QStringLiteral("the settings are in use by process %1 (%2)").arg(pid).arg(app);
    lock_.removeStaleLockFile();
    if (tryOnce()) return {};
  }
  switch (lock_.error()) {
    case QLockFile::PermissionError:
      return QStringLiteral("cannot create the lock file ") + path_;
    case QLockFile::LockFailedError:
      return QStringLiteral("the settings are in use: ") + path_;
    default:
      return QStringLiteral("cannot lock ") + path_;
  }
}

}  // namespace quov
