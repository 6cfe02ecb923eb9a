// The per-user settings store: one INI file per application in the user's
// configuration folder ("quovslot.ini", "allslot.ini"), one group per
// section. Unreadable or damaged files read as missing keys; a folder that
// cannot be written loses the writes without complaint.
#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>

#include "platform/services.h"

namespace quov {

class QtSettingsStore : public SettingsStore {
 public:
  // The files live in `folder`; by default $XDG_CONFIG_HOME/quov.
  explicit QtSettingsStore(QString folder = defaultFolder());
  ~QtSettingsStore() override;

  std::string read(const std::string& app, const std::string& section,
                   const std::string& key) override;
  void write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;
  void flush() override;

  static QString defaultFolder();
  QString filePath(const std::string& app) const;

 private:
  QSettings& file(const std::string& app);
  QString folder_;
  std::map<std::string, std::unique_ptr<QSettings>> files_;
};

}  // namespace quov
