// The game history on the desktop: an SQLite database in the user's data
// folder, in WAL mode, one transaction per record, so a killed process
// keeps every record appended before it died.
//
// The game's thread never waits for the file. An append writes at once when
// the file is free; when it is not (another program holds it, it is read
// only, it cannot be opened), the record waits in memory and a writer thread
// of the history's own tries again, pausing longer each time, and says so in
// `health` like a failed save. Records that never reach the file (too many
// waiting, or still waiting when the game ends) are counted as missed.
//
// The log is folded back into the file by the connection that writes, once
// it holds a few hundred pages, so it stays about two megabytes however long
// the session; a fold that fails is told like a refused record. At the end
// the whole log is folded back and cut to nothing. The file and its log are
// never opened through a link put in their place.
#pragma once

#include <QString>
#include <array>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/game_history.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quov {

class SqliteHistory : public GameHistory {
 public:
  enum class Use {
    Play,   // appends and reads; creates the file when there is none
    Check,  // reads only; never creates or writes a file, no writer thread
  };
  explicit SqliteHistory(QString path = defaultPath(), Use use = Use::Play);
  // Writes what waits, within a bound, and folds the log back.
  ~SqliteHistory() override;
  SqliteHistory(const SqliteHistory&) = delete;
  SqliteHistory& operator=(const SqliteHistory&) = delete;

  std::int64_t append(GameRecord& record) override;
  std::vector<GameRecord> lastGames(int games) override;
  void forEach(const std::function<void(const GameRecord&)>& visit) override;
  // One lean statement: only the money's columns, the slot chosen by the
  // file, nothing allocated per row. A row whose kind or setting cannot be
  // is left out, as `forEach` leaves it; the lists are not read, so one
  // whose lists alone are damaged counts here.
  void forEachMoney(int slot, const std::function<void(const RecordMoney&)>& visit) override;
  // The summaries the file keeps for the blocks before its latest records,
  // then those records, all from one moment of the file. A file without
  // summaries (one only read, as the game before them wrote it), or with
  // one that cannot be read, gives every record one by one.
  void forEachSummarized(int slot, const std::function<void(const HistoryBlock&)>& block,
                         const std::function<void(const RecordMoney&)>& record) override;
  std::int64_t count() override;
  SaveHealth health() const override;
  bool failingNow() const override;
  MissedCounts missedBySlot() const override;

  // The end of play: stops the writer thread, tries for a bounded time to
  // write the records still waiting (counting the rest as missed) and folds
  // the whole log back into the file. Appends after it are missed.
  void finishWriting();

  // $XDG_DATA_HOME/io.quov.Quov/history.sqlite (the application's data folder).
  static QString defaultPath();
  bool isOpen() const;
  std::string error() const;
  const QString& path() const { return path_; }
  // SQLite's own check of the file: "ok" when sound.
  std::string integrityCheck();
  // Rows whose lists could not be read back; they are left out.
  std::int64_t damagedRows() const { return damaged_; }
  // The summaries as the file keeps them, for the check to compare with
  // its records: nothing when the file keeps none.
  struct StoredSummaries {
    std::vector<HistoryBlock> blocks;  // in the order of their slot and block
    std::int64_t unreadable = 0;       // rows whose figures cannot be read
    std::int64_t summarizedTo = 0;     // the highest id they have taken in
  };
  std::optional<StoredSummaries> storedSummaries();
  // Records waiting for the file.
  std::size_t waiting() const;

 private:
  // All of these run with `dbMutex_` held.
  bool openConnection();
  // Takes the highest number the file holds as the last one given; false
  // when the file cannot be read.
  bool followLastId();
  void closeConnection();
  bool setUpSummaries();
  bool writeRecord(GameRecord& r);
  bool summarizeRecord(const RecordMoney& r);
  // The money of the slot's records (every slot's for 0) from `fromId` on,
  // oldest first; returns the last id read.
  std::int64_t readMoney(int slot, std::int64_t fromId,
                         const std::function<void(const RecordMoney&)>& visit);
  bool writeWaiting();
  void readRows(sqlite3_stmt* st, const std::function<void(const GameRecord&)>& visit);
  // The columns a read selects: a file read as it stands may lack the
  // payout setting.
  std::string columns() const;

  // With `stateMutex_` held.
  void keepWaiting(const GameRecord& r);
  void setFailing(bool writes, const std::string& reason);
  void setWorking(bool writes);

  void writerLoop();
  static int afterCommit(void* self, sqlite3* db, const char* name, int logPages);
  std::deque<GameRecord> waitingCopy() const;

  const QString path_;
  const Use use_;

  // The game's connection; the writer thread borrows it to write what waits.
  mutable std::mutex dbMutex_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt *begin_ = nullptr, *commit_ = nullptr;
  sqlite3_stmt *summaryRead_ = nullptr, *summaryWrite_ = nullptr;
  bool summaries_ = false;  // the file keeps the blocks' summaries
  bool writable_ = false;
  bool payoutColumn_ = false;  // the file keeps each record's payout setting
  std::string openError_;
  // Ids given to records that had to be numbered anew because another
  // program had taken theirs; later records' links follow them.
  std::map<std::int64_t, std::int64_t> renumbered_;
  std::int64_t damaged_ = 0;

  // What waits, how writing goes, and the writer thread's wake-up.
  mutable std::mutex stateMutex_;
  std::condition_variable wake_;
  std::deque<GameRecord> waiting_;
  std::int64_t lastId_ = 0;
  MissedCounts missed_{};
  SaveHealth health_;
  bool writesFailing_ = false, foldFailing_ = false;
  std::string writeReason_, foldReason_;
  bool stopping_ = false, finished_ = false;
  std::thread writer_;
};

}  // namespace quov
