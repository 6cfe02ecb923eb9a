// The game history on the desktop: an SQLite database in the user's data
// folder, in WAL mode, one transaction per record, so a killed process
// keeps every record appended before it died. An append only writes to the
// log; copying the log into the file, which waits for the disk, is done by
// a thread of its own, so it never holds up a spin. A database that cannot
// be opened keeps nothing and says so; the game goes on.
#pragma once

#include <QString>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/game_history.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quov {

class SqliteHistory : public GameHistory {
 public:
  explicit SqliteHistory(QString path = defaultPath());
  ~SqliteHistory() override;
  SqliteHistory(const SqliteHistory&) = delete;
  SqliteHistory& operator=(const SqliteHistory&) = delete;

  std::int64_t append(GameRecord& record) override;
  std::vector<GameRecord> lastGames(int games) override;
  void forEach(const std::function<void(const GameRecord&)>& visit) override;
  std::int64_t count() override;

  // $XDG_DATA_HOME/io.quov.Quov/history.sqlite (the application's data folder).
  static QString defaultPath();
  bool isOpen() const { return db_ != nullptr; }
  const std::string& error() const { return error_; }
  const QString& path() const { return path_; }
  // SQLite's own check of the file: "ok" when sound.
  std::string integrityCheck();
  // Rows whose lists could not be read back; they are left out.
  std::int64_t damagedRows() const { return damaged_; }

 private:
  bool exec(const char* sql);
  void fail(const char* what);
  void checkpointLoop();
  void readRows(sqlite3_stmt* st, const std::function<void(const GameRecord&)>& visit);
  QString path_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  std::string error_;
  std::int64_t damaged_ = 0;
  // The checkpointing thread and what it waits for.
  std::mutex mutex_;
  std::condition_variable wake_;
  int appendsSinceCheckpoint_ = 0;
  bool stopping_ = false;
  std::thread checkpointer_;
};

}  // namespace quov
