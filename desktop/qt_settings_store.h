// The per-user settings store: one INI file per application in the user's
// configuration folder ("quovslot.ini", "allslot.ini"), one group per
// section. The values live in memory for the run; a flush hands a snapshot
// of all of them to a saving thread, so the game never waits for the disk or
// a lock. A folder or a pipe in a file's place reads as missing keys; a file
// that is there but cannot be read or parsed is never written over: its
// keys read as missing, `health` names it, and nothing is saved this run. A
// save that fails shows in `health` and is tried again until it succeeds.
#pragma once

#include <QString>
#include <map>
#include <string>

#include "desktop/background_saver.h"
#include "desktop/settings_files.h"
#include "platform/services.h"

namespace quov {

class QtSettingsStore : public SettingsStore {
 public:
  // The files live in `folder`; by default $XDG_CONFIG_HOME/quov. An empty
  // folder keeps the values for this run only and reports every save as
  // failing.
  explicit QtSettingsStore(QString folder = defaultFolder());
  // Saves what was written and not yet flushed, and waits for the save.
  ~QtSettingsStore() override;

  std::string read(const std::string& app, const std::string& section,
                   const std::string& key) override;
  void write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;
  void flush() override;
  SaveHealth health() const override { return saver_.health(); }
  bool failingNow() const override { return saver_.failingNow(); }

  // Blocks until everything flushed so far has been tried (the exit, tests).
  void waitSaved() { saver_.waitTried(); }
  std::uint64_t saveAttempts() const { return saver_.attempts(); }

  // The user's folder for the settings; empty when there is none.
  static QString defaultFolder();
  QString filePath(const std::string& app) const { return files_.filePath(app); }

 private:
  SettingsFiles files_;
  SettingsFiles::Apps values_;
  quint64 generation_ = 0;
  bool dirty_ = false;
  BackgroundSaver saver_;
};

}  // namespace quov
