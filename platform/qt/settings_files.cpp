#include "platform/qt/settings_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <memory>

#include "platform/qt/safe_files.h"
#include "platform/qt/settings_lock.h"

namespace quov {

namespace {

constexpr qint64 kMaxFileBytes = 4 << 20;
const QString kGenerationKey = QStringLiteral("store/generation");
const QString kNext = QStringLiteral(".next");

// One file as found on disk.
struct Found {
  bool present = false;
  quint64 generation = 0;
  IniValues values;
};

Found readOne(const QString& path, QStringList* problems) {
  Found f;
  const FileRead r = readRegularFile(path, kMaxFileBytes);
  if (r.outcome != FileRead::Outcome::Read) {
    if (problems && !r.error.isEmpty()) problems->append(r.error);
    return f;
  }
  QString error;
  if (!parseIni(r.bytes, f.values, error)) {
    if (problems) problems->append(error);
    return f;
  }
  f.present = true;
  f.generation = f.values.take(kGenerationKey).toULongLong();
  return f;
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
  if (folder_.isEmpty()) {
    for (const std::string& app : apps_) loaded.apps[app];
    return loaded;
  }
  std::vector<Found> current, next;
  for (const std::string& app : apps_) {
    const Target t = target(app);
    current.push_back(readOne(t.path(), &loaded.problems));
    next.push_back(readOne(t.path() + kNext, nullptr));
  }
  // The newest generation that every file has, in its place or as ".next".
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
    QString error;
    texts.emplace_back();
    if (!formatIni(values, texts.back(), error)) return error;
  }

  std::vector<std::unique_ptr<SettingsLock>> locks;
  for (const std::string& app : apps_) {
    locks.push_back(std::make_unique<SettingsLock>(filePath(app) + QStringLiteral(".lock")));
    const QString error = locks.back()->acquire();
    if (!error.isEmpty()) return error;
  }
  return saveLocked(targets, texts);
}

QString SettingsFiles::saveLocked(const std::vector<Target>& targets,
                                  const std::vector<QByteArray>& texts) const {
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const QString error = replaceFile(targets[i].folder, targets[i].name + kNext, texts[i], true);
    if (!error.isEmpty()) {
      // The set in place stays the newest whole one.
      for (std::size_t j = 0; j < i; ++j) QFile::remove(targets[j].path() + kNext);
      return error;
    }
  }
  for (const Target& t : targets) {
    const QString error = renameInFolder(t.folder, t.name + kNext, t.name);
    if (!error.isEmpty()) return error;
  }
  for (const Target& t : targets) {
    if (const QString error = syncFolder(t.folder); !error.isEmpty()) return error;
    // Whatever a killed save left half written; only a lock holder writes.
    const QDir dir(t.folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
      if (isTemporaryFor(name, t.name + kNext)) QFile::remove(dir.filePath(name));
  }
  return {};
}

}  // namespace quov
