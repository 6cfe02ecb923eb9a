#include "platform/qt/qt_settings_store.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace quov {

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {
  QDir().mkpath(folder_);
}

QtSettingsStore::~QtSettingsStore() { flush(); }

QString QtSettingsStore::defaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quov";
}

QString QtSettingsStore::filePath(const std::string& app) const {
  return folder_ + "/" + QString::fromStdString(app) + ".ini";
}

QSettings& QtSettingsStore::file(const std::string& app) {
  auto& slot = files_[app];
  if (!slot) slot = std::make_unique<QSettings>(filePath(app), QSettings::IniFormat);
  return *slot;
}

namespace {
QString keyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}
}  // namespace

std::string QtSettingsStore::read(const std::string& app, const std::string& section,
                                  const std::string& key) {
  const QVariant v = file(app).value(keyPath(section, key));
  // A value edited by hand into a comma list still reads as its text.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& value) {
  file(app).setValue(keyPath(section, key), QString::fromStdString(value));
}

void QtSettingsStore::flush() {
  for (auto& [app, settings] : files_) settings->sync();
}

}  // namespace quov
