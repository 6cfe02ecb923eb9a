// The settings store's files: one INI file per application ("quovslot.ini",
// "allslot.ini") in one folder, always saved together as a set from one
// moment. Every file of a save carries the save's number in a section of its
// own ("[store]", "generation=12"). A save writes each file whole as
// "<file>.next" and then renames them into place one by one, holding the lock
// files QSettings would use; a process killed between two renames leaves the
// newer files beside the older ones, and the next load takes the newest
// generation every file of the set has. Something other than a file standing
// as "<file>.next" or "<file>.lock" is left alone: the save goes by way of a
// name of its own ("<file>.next-<process>-<n>", "<file>.lock-quov") and says
// so once on the standard error. Pipes, devices and folders in a file's place
// are refused, never opened; a file that is a link to a regular file is read
// and written where the link points.
//
// A file of the set that is there but cannot be looked at, opened, read
// whole (beyond 4 MiB) or parsed is never written over: the load names it and
// why in `unreadable`, and the store then saves nothing for the run.
#pragma once

#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "desktop/ini_text.h"

namespace quov {

class SettingsFiles {
 public:
  using Apps = std::map<std::string, IniValues>;

  // `folder` empty: there is nowhere to keep the settings.
  SettingsFiles(QString folder, std::vector<std::string> apps);

  struct Loaded {
    Apps apps;                    // every application of the set, without the generation
    quint64 newestGeneration = 0;  // the highest seen, below the next save's
    QStringList problems;         // files refused (a folder or a pipe in a file's place)
    QStringList unreadable;       // files there that could not be read, and why
  };
  Loaded load() const;

  // Writes the set from `apps` as generation `generation`. The empty text on
  // success, otherwise what failed; the files then still hold a whole set.
  QString save(const Apps& apps, quint64 generation) const;

  QString filePath(const std::string& app) const;
  const QString& folder() const { return folder_; }
  const std::vector<std::string>& apps() const { return apps_; }

 private:
  struct Target {
    QString folder;
    QString name;
    QString path() const { return folder + u'/' + name; }
  };
  Target target(const std::string& app) const;
  QString saveLocked(const std::vector<Target>& targets,
                     const std::vector<QByteArray>& texts) const;
  // The name a save stages `t` under, and the lock file of `app`; each says
  // once when it has to step around something in the way.
  QString stagingName(const Target& t) const;
  QString lockPath(const std::string& app) const;
  void warnOnce(const QString& text) const;

  QString folder_;
  std::vector<std::string> apps_;
  // What was said about names in the way; used by the saving thread only.
  mutable QStringList warned_;
};

}  // namespace quov
