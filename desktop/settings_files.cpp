#include "desktop/settings_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <memory>

#include "desktop/files/safe_files.h"
#include "desktop/settings_lock.h"

namespace quov {

namespace {

constexpr qint64 kMaxFileBytes = 4 << 20;
const QString kGenerationKey = QStringLiteral("store/generation");
const QString kNext = QStringLiteral(".next");

// One file as found on disk.
struct Found {
  bool present = false;     // read and parsed
  bool unreadable = false;  // there, but not read: never to be written over
  QString why;              // what kept it from being read
  quint64 generation = 0;
  IniValues values;
};

Found readOne(const QString& path) {
  Found f;
  const FileRead r = readRegularFile(path, kMaxFileBytes);
  switch (r.outcome) {
    case FileRead::Outcome::Missing:
      return f;
    case FileRead::Outcome::Refused:
      f.why = r.error;
      return f;
    case FileRead::Outcome::TooLarge:
    case FileRead::Outcome::Failed:
      f.unreadable = true;
      f.why = r.error;
      return f;
    case FileRead::Outcome::Read:
      break;
  }
  QString error;
  if (!parseIni(r.bytes, f.values, error)) {
    f.unreadable = true;
    f.why = path + QStringLiteral(" cannot be read: ") + error;
    return f;
  }
  f.present = true;
  f.generation = f.values.take(kGenerationKey).toULongLong();
  return f;
}

// The files a save staged for `name` in `folder` ("<name>.next" and the
// names of its own a save takes when that one is in the way).
QStringList stagedNames(const QString& folder, const QString& name) {
  QStringList names;
  const QString next = name + kNext;
  for (const QString& entry :
       QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
    if (entry == next || entry.startsWith(next + u'-')) names.append(entry);
  return names;
}

bool isFolder(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

SettingsFiles::SettingsFiles(QString folder, std::vector<std::string> apps)
    : folder_(std::move(folder)), apps_(std::move(apps)) {}

QString SettingsFiles::filePath(const std::string& app) const {
  return folder_ + u'/' + QString::fromStdString(app) + QStringLiteral(".ini");
}

SettingsFiles::Target SettingsFiles::target(const std::string& app) const {
  const QFileInfo link(filePath(app));
  if (link.isSymLink() && link.isFile()) {
    const QFileInfo real(link.canonicalFilePath());
    return {real.absolutePath(), real.fileName()};
  }
  return {folder_, link.fileName()};
}

SettingsFiles::Loaded SettingsFiles::load() const {
  Loaded loaded;
  for (const std::string& app : apps_) loaded.apps[app];
  if (folder_.isEmpty()) return loaded;
  std::vector<Found> current, next;
  for (const std::string& app : apps_) {
    const Target t = target(app);
    current.push_back(readOne(t.path()));
    Found& f = current.back();
    if (f.unreadable) loaded.unreadable.append(f.why);
    else if (!f.why.isEmpty()) loaded.problems.append(f.why);
    // The newest of what saves staged; one that cannot be read is kept
    // as it is like the file itself.
    next.emplace_back();
    for (const QString& name : stagedNames(t.folder, t.name)) {
      Found staged = readOne(t.folder + u'/' + name);
      if (staged.unreadable) loaded.unreadable.append(staged.why);
      if (staged.present && (!next.back().present || staged.generation > next.back().generation))
        next.back() = std::move(staged);
    }
  }
  if (!loaded.unreadable.isEmpty()) {
    // Nothing is saved this run: what could be read plays, the rest starts
    // from its defaults.
    for (std::size_t i = 0; i < apps_.size(); ++i) loaded.apps[apps_[i]] = current[i].values;
    return loaded;
  }
  // The newest generation that every file has, in its place or staged.
  std::vector<quint64> candidates;
  for (std::size_t i = 0; i < apps_.size(); ++i) {
    loaded.newestGeneration =
        std::max({loaded.newestGeneration, current[i].generation, next[i].generation});
    if (current[i].present) candidates.push_back(current[i].generation);
    if (next[i].present) candidates.push_back(next[i].generation);
  }
  std::sort(candidates.rbegin(), candidates.rend());
  std::vector<const Found*> chosen;
  for (const quint64 g : candidates) {
    chosen.clear();
    for (std::size_t i = 0; i < apps_.size(); ++i) {
      if (next[i].present && next[i].generation == g)
        chosen.push_back(&next[i]);
      else if (current[i].generation == g)
        chosen.push_back(&current[i]);
    }
    if (chosen.size() == apps_.size()) break;
  }
  if (chosen.size() != apps_.size()) {
    // No whole newer set: the files in place, as they are.
    chosen.clear();
    for (const Found& f : current) chosen.push_back(&f);
  }
  for (std::size_t i = 0; i < apps_.size(); ++i) loaded.apps[apps_[i]] = chosen[i]->values;
  return loaded;
}

void SettingsFiles::warnOnce(const QString& text) const {
  if (warned_.contains(text)) return;
  warned_.append(text);
  qWarning("quov: %s", qUtf8Printable(text));
}

QString SettingsFiles::stagingName(const Target& t) const {
  static std::atomic<unsigned> serial{0};
  const QString next = t.name + kNext;
  const QString path = t.folder + u'/' + next;
  if (fileKind(path) != FileKind::Other) return next;
  const QString own = QStringLiteral("%1-%2-%3").arg(next).arg(::getpid()).arg(serial++);
  warnOnce(path + QStringLiteral(" is in the way; the settings are saved by way of other names"));
  return own;
}

QString SettingsFiles::lockPath(const std::string& app) const {
  const QString lock = filePath(app) + QStringLiteral(".lock");
  if (!isFolder(lock)) return lock;
  warnOnce(lock + QStringLiteral(" is a folder; the settings are locked with ") + lock +
           QStringLiteral("-quov instead"));
  return lock + QStringLiteral("-quov");
}

QString SettingsFiles::save(const Apps& apps, quint64 generation) const {
  if (folder_.isEmpty()) return QStringLiteral("there is no folder for the settings (HOME is not set)");
  if (!QDir().mkpath(folder_)) return QStringLiteral("cannot create the folder ") + folder_;

  std::vector<Target> targets;
  std::vector<QByteArray> texts;
  for (const std::string& app : apps_) {
    targets.push_back(target(app));
    if (fileKind(targets.back().path()) == FileKind::Other)
      return targets.back().path() + QStringLiteral(" is not a regular file");
    const auto it = apps.find(app);
    IniValues values = it == apps.end() ? IniValues{} : it->second;
    values.insert(kGenerationKey, QString::number(generation));
    texts.push_back(formatIni(values));
  }

  std::vector<std::unique_ptr<SettingsLock>> locks;
  for (const std::string& app : apps_) {
    locks.push_back(std::make_unique<SettingsLock>(lockPath(app)));
    const QString error = locks.back()->acquire();
    if (!error.isEmpty()) return error;
  }
  return saveLocked(targets, texts);
}

QString SettingsFiles::saveLocked(const std::vector<Target>& targets,
                                  const std::vector<QByteArray>& texts) const {
  std::vector<QString> staged;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    staged.push_back(stagingName(targets[i]));
    const QString error = replaceFile(targets[i].folder, staged[i], texts[i], true);
    if (!error.isEmpty()) {
      // The set in place stays the newest whole one.
      for (std::size_t j = 0; j < i; ++j) QFile::remove(targets[j].folder + u'/' + staged[j]);
      return error;
    }
  }
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const QString error = renameInFolder(targets[i].folder, staged[i], targets[i].name);
    if (!error.isEmpty()) return error;
  }
  for (const Target& t : targets) {
    if (const QString error = syncFolder(t.folder); !error.isEmpty()) return error;
    // Whatever a killed save left: half-written files, and staged files of
    // older sets under names of their own. Only a lock holder writes.
    const QDir dir(t.folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
      if (isTemporaryFor(name, t.name + kNext) ||
          (name.startsWith(u'.' + t.name + kNext + u'-') && name.endsWith(QStringLiteral(".tmp"))) ||
          (name.startsWith(t.name + kNext + u'-') && fileKind(dir.filePath(name)) == FileKind::Regular))
        QFile::remove(dir.filePath(name));
  }
  return {};
}

}  // namespace quov
