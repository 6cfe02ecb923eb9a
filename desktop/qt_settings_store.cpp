#include "desktop/qt_settings_store.h"

#include <QStandardPaths>
#include <QStringList>

#include "desktop/user_folders.h"

namespace quov {

namespace {
const std::vector<std::string> kApplications = {"quovslot", "allslot"};

QString keyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}
}  // namespace

QtSettingsStore::QtSettingsStore(QString folder)
    : files_(std::move(folder), kApplications), saver_(files_) {
  SettingsFiles::Loaded loaded = files_.load();
  values_ = std::move(loaded.apps);
  generation_ = loaded.newestGeneration;
  if (files_.folder().isEmpty())
    saver_.reportProblem(QStringLiteral("there is no folder for the settings (HOME is not set)"));
  else if (!loaded.unreadable.isEmpty())
    saver_.holdSaves(loaded.unreadable.join(QStringLiteral("; ")));
  else if (!loaded.problems.isEmpty())
    saver_.reportProblem(loaded.problems.join(QStringLiteral("; ")));
}

QtSettingsStore::~QtSettingsStore() {
  flush();
  waitSaved();
}

QString QtSettingsStore::defaultFolder() {
  const QString config = userFolder(QStandardPaths::GenericConfigLocation, "XDG_CONFIG_HOME");
  return config.isEmpty() ? QString() : config + QStringLiteral("/quov");
}

std::string QtSettingsStore::read(const std::string& app, const std::string& section,
                                  const std::string& key) {
  const auto file = values_.find(app);
  if (file == values_.end()) return {};
  const QVariant v = file->second.value(keyPath(section, key));
  // A value edited by hand into a comma list still reads as its text.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& value) {
  QVariant& slot = values_[app][keyPath(section, key)];
  const QVariant text(QString::fromStdString(value));
  if (slot == text) return;
  slot = text;
  dirty_ = true;
}

void QtSettingsStore::flush() {
  if (!dirty_) return;
  dirty_ = false;
  saver_.post(values_, ++generation_);
}

}  // namespace quov
