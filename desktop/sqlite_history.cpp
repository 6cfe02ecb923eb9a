#include "desktop/sqlite_history.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "desktop/history_text.h"
#include "desktop/user_folders.h"
#include "mainscreen/timing.h"
#include "records/history_blocks.h"

namespace quov {

namespace {

// Columns in the order of the statements below. The payout setting came
// last: a file written before it has every column but that one (see
// `kAddPayoutColumn`).
constexpr const char* kColumnsBeforePayout =
    "id, time, kind, slot, lines, bet_per_line, bet, reel1, reel2, reel3, reel4, reel5, held, "
    "voids, line_wins, scatters, scatter_pay, multiplier, win, award, series, series_spin, "
    "ball_start, ball_cell, prize, gambled, stake, gamble_steps, money_in, paid, "
    "credit_before, credit_after";
constexpr const char* kPayoutColumn = ", machinepay";
constexpr int kColumnCount = 33;
// The log is folded back into the file once it holds this many pages
// (about 2 MB: each record writes its own page and its summary's), and a
// log that grew is cut back to 4 MB once folded.
constexpr int kFoldPages = 512;
constexpr const char* kLogBytesKept = "PRAGMA journal_size_limit=4194304";
// Records that wait for the file at most; any more are missed.
constexpr std::size_t kMostWaiting = 20000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS records ("
    " id INTEGER PRIMARY KEY, time INTEGER NOT NULL, kind INTEGER NOT NULL, slot INTEGER NOT NULL,"
    " lines INTEGER NOT NULL, bet_per_line INTEGER NOT NULL, bet INTEGER NOT NULL,"
    " reel1 INTEGER NOT NULL, reel2 INTEGER NOT NULL, reel3 INTEGER NOT NULL,"
    " reel4 INTEGER NOT NULL, reel5 INTEGER NOT NULL, held INTEGER NOT NULL,"
    " voids INTEGER NOT NULL, line_wins TEXT NOT NULL, scatters INTEGER NOT NULL,"
    " scatter_pay INTEGER NOT NULL, multiplier INTEGER NOT NULL, win INTEGER NOT NULL,"
    " award INTEGER NOT NULL, series INTEGER NOT NULL, series_spin INTEGER NOT NULL,"
    " ball_start INTEGER NOT NULL, ball_cell INTEGER NOT NULL, prize INTEGER NOT NULL,"
    " gambled INTEGER NOT NULL, stake INTEGER NOT NULL, gamble_steps TEXT NOT NULL,"
    " money_in INTEGER NOT NULL, paid INTEGER NOT NULL,"
    " credit_before INTEGER NOT NULL, credit_after INTEGER NOT NULL,"
    " machinepay INTEGER NOT NULL DEFAULT 0)";
// A file written before the history kept the payout setting gains it in
// place: SQLite adds the column without rewriting a row, and the records
// already there read it as 0, not known.
constexpr const char* kAddPayoutColumn =
    "ALTER TABLE records ADD COLUMN machinepay INTEGER NOT NULL DEFAULT 0";

// The summaries of the blocks of records (see records/history_blocks.h),
// one row per player slot and block, each written in the transaction of
// the record that last changed it. The file's user version names the
// layout of their figures; a file without it gains them at the next
// start, built once from its records.
constexpr int kSummaryLayout = 1;
constexpr const char* kSummarySchema =
    "CREATE TABLE summary (slot INTEGER NOT NULL, block INTEGER NOT NULL,"
    " last_id INTEGER NOT NULL, figures TEXT NOT NULL, PRIMARY KEY (slot, block)) WITHOUT ROWID";
constexpr const char* kSummaryRead = "SELECT figures FROM summary WHERE slot = ? AND block = ?";
constexpr const char* kSummaryWrite =
    "INSERT OR REPLACE INTO summary (slot, block, last_id, figures) VALUES (?, ?, ?, ?)";
// The money of the records, from an id on; the slot chosen by the file.
constexpr const char* kMoneyColumns =
    "SELECT id, kind, slot, lines, bet_per_line, bet, %1, win, paid, money_in, stake,"
    " credit_before, credit_after FROM records WHERE (?1 = 0 OR slot = ?1) AND id >= ?2 ORDER BY id";

// The kinds that begin a game: an ordinary spin and jackpot time.
constexpr const char* kLastGames =
    "SELECT %1 FROM records WHERE id >= COALESCE((SELECT id FROM records WHERE kind IN (0, 3)"
    " ORDER BY id DESC LIMIT 1 OFFSET ?), 0) ORDER BY id";

struct Statement {
  sqlite3_stmt* st = nullptr;
  Statement(sqlite3* db, const std::string& sql) {
    if (db) sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
  }
  ~Statement() { sqlite3_finalize(st); }
};

// A link put in place of the file or of one of SQLite's files beside it
// would have the history written wherever it points.
bool linkInPlace(const QString& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    struct stat st {};
    const QByteArray name = (path + QString::fromLatin1(suffix)).toUtf8();
    if (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode)) return true;
  }
  return false;
}

bool exec(sqlite3* db, const char* sql) {
  return db && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool hasPayoutColumn(sqlite3* db) {
  Statement q(db, "SELECT COUNT(*) FROM pragma_table_info('records') WHERE name = 'machinepay'");
  return q.st && sqlite3_step(q.st) == SQLITE_ROW && sqlite3_column_int(q.st, 0) == 1;
}

std::string textColumn(sqlite3_stmt* st, int col) {
  const unsigned char* t = sqlite3_column_text(st, col);
  return t ? reinterpret_cast<const char*>(t) : "";
}

std::int64_t single(sqlite3* db, const char* sql) {
  Statement q(db, sql);
  return q.st && sqlite3_step(q.st) == SQLITE_ROW ? sqlite3_column_int64(q.st, 0) : 0;
}

// Whether the file keeps the summaries in the layout this game reads.
bool hasSummaries(sqlite3* db) {
  return single(db, "PRAGMA user_version") == kSummaryLayout &&
         single(db, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'summary'") == 1;
}

bool writeSummary(sqlite3_stmt* st, const HistoryBlock& b) {
  const std::string figures = encodeHistoryBlock(b);
  sqlite3_bind_int(st, 1, b.slot);
  sqlite3_bind_int64(st, 2, b.block);
  sqlite3_bind_int64(st, 3, b.lastId);
  sqlite3_bind_text(st, 4, figures.c_str(), static_cast<int>(figures.size()), SQLITE_STATIC);
  const int rc = sqlite3_step(st);
  sqlite3_reset(st);
  sqlite3_clear_bindings(st);
  return rc == SQLITE_DONE;
}

}  // namespace

QString SqliteHistory::defaultPath() {
  const QString folder = userFolder(QStandardPaths::AppDataLocation, "XDG_DATA_HOME");
  return folder.isEmpty() ? QString() : folder + "/history.sqlite";
}

SqliteHistory::SqliteHistory(QString path, Use use) : path_(std::move(path)), use_(use) {
  // Without a home there is no folder for the history: nothing is written,
  // by design, and nothing is told.
  if (path_.isEmpty()) {
    openError_ = "no folder for the history";
    finished_ = true;
    return;
  }
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    openConnection();
  }
  if (use_ == Use::Play) {
    std::lock_guard<std::mutex> state(stateMutex_);
    if (!writable_) setFailing(true, openError_);
    writer_ = std::thread([this] { writerLoop(); });
  } else {
    finished_ = true;
  }
}

SqliteHistory::~SqliteHistory() {
  finishWriting();
  std::lock_guard<std::mutex> db(dbMutex_);
  closeConnection();  // the last connection to close folds in the rest
}

bool SqliteHistory::openConnection() {
  if (db_ && writable_) return true;
  closeConnection();
  if (linkInPlace(path_)) {
    openError_ = "a link stands in place of the history " + path_.toStdString();
    return false;
  }
  const bool play = use_ == Use::Play;
  if (play) QDir().mkpath(QFileInfo(path_).absolutePath());
  // The connection and its statements are only ever used with `dbMutex_`
  // held, so SQLite's own lock around every call (one per column read) is
  // left out.
  int flags = SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX |
              (play ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY);
  QByteArray name = path_.toUtf8();
  if (!play) {
    // A check creates no file, not even SQLite's beside the history: with
    // no log there (no game has it open) the file is read as it stands.
    const bool logBeside = QFileInfo::exists(path_ + "-wal") || QFileInfo::exists(path_ + "-shm");
    name = QUrl::fromLocalFile(path_).toEncoded() + (logBeside ? "?mode=ro" : "?mode=ro&immutable=1");
    flags |= SQLITE_OPEN_URI;
  }
  if (sqlite3_open_v2(name.constData(), &db_, flags, nullptr) != SQLITE_OK) {
    openError_ = std::string("open: ") + (db_ ? sqlite3_errmsg(db_) : "no memory");
    closeConnection();
    return false;
  }
  // No busy wait: a file another program holds is left to the writer
  // thread, which tries again later.
  sqlite3_busy_timeout(db_, 0);
  payoutColumn_ = hasPayoutColumn(db_);
  if (!play) {
    summaries_ = hasSummaries(db_);
    return true;
  }
  if (sqlite3_db_readonly(db_, "main") == 1) {
    openError_ = "the history " + path_.toStdString() + " is read-only";
    // Kept for reading; the games it misses are numbered after its own.
    followLastId();
    return false;
  }
  // WAL: a record is durable once its transaction is in the log, and a
  // process killed in the middle of one leaves the file as it was before.
  // NORMAL syncs at checkpoints only; that survives any crash of the
  // program, which is what the history must survive.
  if (!exec(db_, "PRAGMA journal_mode=WAL") || !exec(db_, "PRAGMA synchronous=NORMAL") ||
      !exec(db_, kLogBytesKept) || !exec(db_, kSchema) ||
      (!hasPayoutColumn(db_) && !exec(db_, kAddPayoutColumn))) {
    openError_ = std::string("set up: ") + sqlite3_errmsg(db_);
    closeConnection();
    return false;
  }
  payoutColumn_ = true;
  if (!setUpSummaries()) {
    closeConnection();
    return false;
  }
  std::string sql = "INSERT INTO records (";
  sql += kColumnsBeforePayout;
  sql += kPayoutColumn;
  sql += ") VALUES (?";
  for (int i = 1; i < kColumnCount; ++i) sql += ", ?";
  sql += ")";
  auto prepare = [this](const char* text, sqlite3_stmt** st) {
    return sqlite3_prepare_v2(db_, text, -1, st, nullptr) == SQLITE_OK;
  };
  if (!prepare(sql.c_str(), &insert_) || !prepare("BEGIN IMMEDIATE", &begin_) ||
      !prepare("COMMIT", &commit_) || !prepare(kSummaryRead, &summaryRead_) ||
      !prepare(kSummaryWrite, &summaryWrite_)) {
    openError_ = std::string("prepare: ") + sqlite3_errmsg(db_);
    closeConnection();
    return false;
  }
  if (!followLastId()) {
    openError_ = std::string("read: ") + sqlite3_errmsg(db_);
    closeConnection();
    return false;
  }
  sqlite3_wal_hook(db_, &SqliteHistory::afterCommit, this);
  writable_ = true;
  openError_.clear();
  return true;
}

bool SqliteHistory::followLastId() {
  Statement last(db_, "SELECT MAX(id) FROM records");
  if (!last.st || sqlite3_step(last.st) != SQLITE_ROW) return false;
  const std::int64_t highest = sqlite3_column_int64(last.st, 0);
  std::lock_guard<std::mutex> state(stateMutex_);
  lastId_ = std::max(lastId_, highest);
  return true;
}

// Builds the summaries the file lacks: all of them when it keeps none in
// this layout, or those of the records appended since they were last
// written (by a game that kept none). One transaction: a kill leaves the
// file as it was, and the next start builds them again.
bool SqliteHistory::setUpSummaries() {
  std::int64_t fromBlock = 0;
  const bool layout = hasSummaries(db_);
  if (layout) {
    const std::int64_t summarizedTo = single(db_, "SELECT COALESCE(MAX(last_id), 0) FROM summary");
    if (single(db_, "SELECT COALESCE(MAX(id), 0) FROM records") <= summarizedTo) {
      summaries_ = true;
      return true;
    }
    fromBlock = blockOf(summarizedTo + 1);
  }
  if (!exec(db_, "BEGIN IMMEDIATE")) {
    openError_ = std::string("summaries: ") + sqlite3_errmsg(db_);
    return false;
  }
  bool done = layout ? true : exec(db_, "DROP TABLE IF EXISTS summary") && exec(db_, kSummarySchema);
  if (done) {
    Statement drop(db_, "DELETE FROM summary WHERE block >= ?");
    sqlite3_bind_int64(drop.st, 1, fromBlock);
    done = drop.st && sqlite3_step(drop.st) == SQLITE_DONE;
  }
  BlockSummaries built;
  if (done) readMoney(0, fromBlock * kIdsPerBlock + 1, [&](const RecordMoney& r) { built.add(r); });
  Statement write(db_, kSummaryWrite);
  done = done && write.st;
  for (const HistoryBlock& b : built.blocks()) done = done && writeSummary(write.st, b);
  done = done && exec(db_, ("PRAGMA user_version = " + std::to_string(kSummaryLayout)).c_str()) &&
         exec(db_, "COMMIT");
  if (!done) {
    openError_ = std::string("summaries: ") + sqlite3_errmsg(db_);
    exec(db_, "ROLLBACK");
    return false;
  }
  summaries_ = true;
  return true;
}

void SqliteHistory::closeConnection() {
  for (sqlite3_stmt** st : {&insert_, &begin_, &commit_, &summaryRead_, &summaryWrite_}) {
    sqlite3_finalize(*st);
    *st = nullptr;
  }
  sqlite3_close_v2(db_);
  db_ = nullptr;
  writable_ = false;
  summaries_ = false;
}

bool SqliteHistory::isOpen() const {
  std::lock_guard<std::mutex> db(dbMutex_);
  return db_ != nullptr;
}

std::string SqliteHistory::error() const {
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    if (!openError_.empty()) return openError_;
  }
  std::lock_guard<std::mutex> state(stateMutex_);
  return health_.reason;
}

SaveHealth SqliteHistory::health() const {
  std::lock_guard<std::mutex> state(stateMutex_);
  return health_;
}

bool SqliteHistory::failingNow() const {
  std::lock_guard<std::mutex> state(stateMutex_);
  return health_.failing;
}

GameHistory::MissedCounts SqliteHistory::missedBySlot() const {
  std::lock_guard<std::mutex> state(stateMutex_);
  return missed_;
}

std::size_t SqliteHistory::waiting() const {
  std::lock_guard<std::mutex> state(stateMutex_);
  return waiting_.size();
}

std::deque<GameRecord> SqliteHistory::waitingCopy() const {
  std::lock_guard<std::mutex> state(stateMutex_);
  return waiting_;
}

void SqliteHistory::setFailing(bool writes, const std::string& reason) {
  const bool was = health_.failing;
  (writes ? writesFailing_ : foldFailing_) = true;
  (writes ? writeReason_ : foldReason_) = reason;
  health_.failing = true;
  health_.reason = writesFailing_ ? writeReason_ : foldReason_;
  if (was) return;
  ++health_.episode;
  std::fprintf(stderr, "quov: the game history %s cannot be written (%s); trying again\n",
               qPrintable(path_), health_.reason.c_str());
}

void SqliteHistory::setWorking(bool writes) {
  (writes ? writesFailing_ : foldFailing_) = false;
  health_.failing = writesFailing_ || foldFailing_;
  health_.reason = writesFailing_ ? writeReason_ : foldFailing_ ? foldReason_ : std::string();
}

void SqliteHistory::keepWaiting(const GameRecord& r) {
  if (!finished_ && waiting_.size() < kMostWaiting) {
    waiting_.push_back(r);
    return;
  }
  if (r.slot >= 1 && r.slot <= 6) ++missed_[static_cast<std::size_t>(r.slot)];
}

bool SqliteHistory::writeRecord(GameRecord& r) {
  if (!writable_ && !openConnection()) return false;
  auto follow = [this](std::int64_t& link) {
    if (const auto it = renumbered_.find(link); it != renumbered_.end()) link = it->second;
  };
  follow(r.series);
  follow(r.gambled);
  const std::string wins = encodeLineWins(r.lineWins), steps = encodeGambleSteps(r.steps);
  sqlite3_stmt* st = insert_;
  int i = 1;
  auto num = [&](long long v) { sqlite3_bind_int64(st, i++, v); };
  auto text = [&](const std::string& v) {
    sqlite3_bind_text(st, i++, v.c_str(), static_cast<int>(v.size()), SQLITE_STATIC);
  };
  num(r.id);
  num(r.timeMs);
  num(static_cast<int>(r.kind));
  num(r.slot);
  num(r.lines);
  num(r.betPerLine);
  num(r.bet);
  for (int s : r.stops) num(s);
  num(r.held);
  num(r.voids);
  text(wins);
  num(r.scatters);
  num(r.scatterPay);
  num(r.multiplier);
  num(r.win);
  num(r.award);
  num(r.series);
  num(r.seriesSpin);
  num(r.ballStart);
  num(r.ballCell);
  num(static_cast<int>(r.prize));
  num(r.gambled);
  num(r.stake);
  text(steps);
  num(r.moneyIn);
  num(r.paid);
  num(r.creditBefore);
  num(r.creditAfter);
  num(r.machinepay);
  // The record and its block's summary in one transaction: a kill keeps
  // both or neither.
  int rc = sqlite3_step(begin_);
  sqlite3_reset(begin_);
  bool takenAnew = false;
  std::int64_t id = r.id;
  if (rc == SQLITE_DONE) {
    rc = sqlite3_step(st);
    if (rc == SQLITE_CONSTRAINT) {
      // Another program took this id meanwhile: the record takes the next
      // free one, and the records that point at it follow.
      sqlite3_reset(st);
      sqlite3_bind_null(st, 1);
      rc = sqlite3_step(st);
      takenAnew = true;
    }
    sqlite3_reset(st);
    if (rc == SQLITE_DONE) {
      id = sqlite3_last_insert_rowid(db_);
      RecordMoney money = moneyOf(r);
      money.id = id;
      rc = summarizeRecord(money) ? sqlite3_step(commit_) : SQLITE_ERROR;
      sqlite3_reset(commit_);
    }
    if (rc != SQLITE_DONE) {
      const int why = sqlite3_extended_errcode(db_);
      exec(db_, "ROLLBACK");
      rc = why;
    }
  }
  sqlite3_clear_bindings(st);
  if (rc != SQLITE_DONE) {
    std::lock_guard<std::mutex> state(stateMutex_);
    writeReason_ = std::string("append: ") + sqlite3_errstr(rc);
    // A file that became read-only is opened anew on the next try.
    if ((rc & 0xff) == SQLITE_READONLY) writable_ = false;
    return false;
  }
  if (takenAnew) renumbered_[r.id] = id;
  r.id = id;
  return true;
}

// Adds the record just inserted to its block's summary. A summary the file
// cannot read is left as it stands, for the check to find.
bool SqliteHistory::summarizeRecord(const RecordMoney& r) {
  HistoryBlock block;
  sqlite3_bind_int(summaryRead_, 1, r.slot);
  sqlite3_bind_int64(summaryRead_, 2, blockOf(r.id));
  int rc = sqlite3_step(summaryRead_);
  bool readable = true;
  if (rc == SQLITE_ROW) {
    const auto stored = decodeHistoryBlock(textColumn(summaryRead_, 0));
    readable = stored.has_value();
    if (stored) block = *stored;
    rc = SQLITE_DONE;
  }
  sqlite3_reset(summaryRead_);
  if (rc != SQLITE_DONE) return false;
  if (!readable) return true;
  summarize(block, r);
  return writeSummary(summaryWrite_, block);
}

std::int64_t SqliteHistory::append(GameRecord& r) {
  r.timeMs = QDateTime::currentMSecsSinceEpoch();
  // The game's thread takes the connection only when it is free this
  // instant: the writer thread may be busy with it.
  std::unique_lock<std::mutex> db(dbMutex_, std::try_to_lock);
  std::unique_lock<std::mutex> state(stateMutex_);
  if (path_.isEmpty() || use_ != Use::Play) return 0;
  r.id = ++lastId_;
  const std::int64_t given = r.id;
  if (db.owns_lock() && waiting_.empty() && !finished_) {
    state.unlock();
    const bool written = writable_ && writeRecord(r);
    state.lock();
    if (written) {
      lastId_ = std::max(lastId_, r.id);
      // The id the game was given stands: a renumbered record is found
      // under it by the records that follow.
      r.id = given;
      return given;
    }
    setFailing(true, writable_ ? writeReason_ : openError_);
  }
  if (finished_ || waiting_.size() >= kMostWaiting) {
    keepWaiting(r);  // counted as missed
    return 0;
  }
  keepWaiting(r);
  wake_.notify_one();
  return given;
}

// Writes the waiting records in their order until one is refused.
bool SqliteHistory::writeWaiting() {
  while (true) {
    GameRecord r;
    {
      std::lock_guard<std::mutex> state(stateMutex_);
      if (waiting_.empty()) {
        setWorking(true);
        return true;
      }
      r = waiting_.front();
    }
    if (!writeRecord(r)) {
      std::lock_guard<std::mutex> state(stateMutex_);
      setFailing(true, writable_ ? writeReason_ : openError_);
      return false;
    }
    std::lock_guard<std::mutex> state(stateMutex_);
    waiting_.pop_front();
    lastId_ = std::max(lastId_, r.id);
  }
}

void SqliteHistory::writerLoop() {
  int pause = timing::kHistoryRetryFirst;
  std::unique_lock<std::mutex> state(stateMutex_);
  while (true) {
    wake_.wait(state, [this] { return stopping_ || !waiting_.empty(); });
    if (stopping_) break;
    state.unlock();
    bool written = false;
    {
      std::lock_guard<std::mutex> db(dbMutex_);
      written = writeWaiting();
    }
    state.lock();
    if (written) {
      pause = timing::kHistoryRetryFirst;
      continue;
    }
    wake_.wait_for(state, std::chrono::milliseconds(pause), [this] { return stopping_; });
    pause = std::min(pause * 2, timing::kHistoryRetryLongest);
  }
}

// After each commit: once the log holds a few hundred pages, they are
// copied into the file on this same connection, so no other writer can
// race the fold and the next append starts the log from its beginning
// again. The fold waits for no lock; its counts are checked.
int SqliteHistory::afterCommit(void* self, sqlite3* db, const char*, int logPages) {
  if (logPages < kFoldPages) return SQLITE_OK;
  auto* history = static_cast<SqliteHistory*>(self);
  int logFrames = -1, folded = -1;
  const int rc = sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &logFrames,
                                           &folded);
  std::lock_guard<std::mutex> state(history->stateMutex_);
  if (rc == SQLITE_BUSY) return SQLITE_OK;  // another program folds or reads; the next commit tries
  if (rc != SQLITE_OK || logFrames < 0)
    history->setFailing(false, std::string("folding the log back: ") +
                                   (rc != SQLITE_OK ? sqlite3_errmsg(db) : "the log is not in use"));
  else
    history->setWorking(false);
  return SQLITE_OK;
}

void SqliteHistory::finishWriting() {
  {
    std::lock_guard<std::mutex> state(stateMutex_);
    if (finished_ && !writer_.joinable()) return;
    stopping_ = true;
  }
  wake_.notify_one();
  if (writer_.joinable()) writer_.join();
  std::lock_guard<std::mutex> db(dbMutex_);
  // Whatever still waits gets a last few tries, then counts as missed.
  const auto until =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(timing::kHistoryExitWait);
  while (!writeWaiting() && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(timing::kHistoryExitRetry));
  std::lock_guard<std::mutex> state(stateMutex_);
  finished_ = true;
  for (const GameRecord& r : waiting_)
    if (r.slot >= 1 && r.slot <= 6) ++missed_[static_cast<std::size_t>(r.slot)];
  if (!waiting_.empty())
    std::fprintf(stderr, "quov: the game history missed %zu records\n", waiting_.size());
  waiting_.clear();
  if (!writable_) return;
  // The whole log into the file, and the log cut back to nothing.
  int logFrames = -1, folded = -1;
  const int rc = sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames,
                                           &folded);
  if (rc != SQLITE_OK && rc != SQLITE_BUSY)
    std::fprintf(stderr, "quov: the game history's log could not be folded back: %s\n",
                 sqlite3_errmsg(db_));
}

void SqliteHistory::readRows(sqlite3_stmt* st,
                             const std::function<void(const GameRecord&)>& visit) {
  while (st && sqlite3_step(st) == SQLITE_ROW) {
    int c = 0;
    auto num = [&] { return sqlite3_column_int64(st, c++); };
    GameRecord r;
    r.id = num();
    r.timeMs = num();
    const long long kind = num();
    r.slot = static_cast<std::int8_t>(num());
    r.lines = static_cast<std::int16_t>(num());
    r.betPerLine = static_cast<std::int16_t>(num());
    r.bet = static_cast<std::int32_t>(num());
    for (auto& s : r.stops) s = static_cast<std::int8_t>(num());
    r.held = static_cast<std::uint8_t>(num());
    r.voids = static_cast<std::int16_t>(num());
    const auto wins = decodeLineWins(textColumn(st, c++));
    r.scatters = static_cast<std::int8_t>(num());
    r.scatterPay = static_cast<std::int32_t>(num());
    r.multiplier = static_cast<std::int16_t>(num());
    r.win = static_cast<std::int32_t>(num());
    r.award = static_cast<std::int16_t>(num());
    r.series = num();
    r.seriesSpin = static_cast<std::int16_t>(num());
    r.ballStart = static_cast<std::int8_t>(num());
    r.ballCell = static_cast<std::int8_t>(num());
    const long long prize = num();
    r.gambled = num();
    r.stake = static_cast<std::int32_t>(num());
    const auto steps = decodeGambleSteps(textColumn(st, c++));
    r.moneyIn = static_cast<std::int32_t>(num());
    r.paid = static_cast<std::int32_t>(num());
    r.creditBefore = static_cast<std::int32_t>(num());
    r.creditAfter = static_cast<std::int32_t>(num());
    const long long machinepay = num();
    if (!wins || !steps || kind < 0 || kind >= kRecordKinds || prize < 0 || prize > 6 ||
        machinepay < 0 || machinepay > 4) {
      ++damaged_;
      continue;
    }
    r.kind = static_cast<RecordKind>(kind);
    r.machinepay = static_cast<std::int8_t>(machinepay);
    r.prize = static_cast<JackpotPrize>(prize);
    r.lineWins = *wins;
    r.steps = *steps;
    visit(r);
  }
}

// The reads take the file's rows, then the records still waiting for it
// (copied before the file is read, so one written meanwhile is in the rows
// and is not taken twice: the waiting come in order, after every id read).
std::vector<GameRecord> SqliteHistory::lastGames(int games) {
  const std::deque<GameRecord> waiting = waitingCopy();
  std::vector<GameRecord> out;
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    Statement q(db_, QString::fromLatin1(kLastGames).arg(QString::fromStdString(columns())).toStdString());
    if (q.st) {
      sqlite3_bind_int(q.st, 1, games - 1);
      readRows(q.st, [&](const GameRecord& r) { out.push_back(r); });
    }
  }
  const std::int64_t lastRead = out.empty() ? 0 : out.back().id;
  for (const GameRecord& r : waiting)
    if (r.id > lastRead) out.push_back(r);
  // From the `games`-th last game on.
  std::size_t from = out.size();
  int found = 0;
  while (from > 0 && found < games)
    if (startsGame(out[--from].kind)) ++found;
  if (found == games) out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(from));
  return out;
}

void SqliteHistory::forEach(const std::function<void(const GameRecord&)>& visit) {
  const std::deque<GameRecord> waiting = waitingCopy();
  std::int64_t lastRead = 0;
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    Statement q(db_, std::string("SELECT ") + columns() + " FROM records ORDER BY id");
    readRows(q.st, [&](const GameRecord& r) {
      lastRead = r.id;
      visit(r);
    });
  }
  for (const GameRecord& r : waiting)
    if (r.id > lastRead) visit(r);
}

std::int64_t SqliteHistory::readMoney(int slot, std::int64_t fromId,
                                      const std::function<void(const RecordMoney&)>& visit) {
  std::int64_t lastRead = 0;
  Statement q(db_, QString::fromLatin1(kMoneyColumns)
                       .arg(QString::fromLatin1(payoutColumn_ ? "machinepay" : "0"))
                       .toStdString());
  if (q.st) {
    sqlite3_bind_int(q.st, 1, slot);
    sqlite3_bind_int64(q.st, 2, fromId);
  }
  RecordMoney r;
  while (q.st && sqlite3_step(q.st) == SQLITE_ROW) {
    auto num = [&](int c) { return sqlite3_column_int64(q.st, c); };
    const long long kind = num(1), machinepay = num(6);
    if (kind < 0 || kind >= kRecordKinds || machinepay < 0 || machinepay > 4) continue;
    r.id = num(0);
    r.kind = static_cast<RecordKind>(kind);
    r.slot = static_cast<std::int8_t>(num(2));
    r.lines = static_cast<std::int16_t>(num(3));
    r.betPerLine = static_cast<std::int16_t>(num(4));
    r.bet = static_cast<std::int32_t>(num(5));
    r.machinepay = static_cast<std::int8_t>(machinepay);
    r.win = static_cast<std::int32_t>(num(7));
    r.paid = static_cast<std::int32_t>(num(8));
    r.moneyIn = static_cast<std::int32_t>(num(9));
    r.stake = static_cast<std::int32_t>(num(10));
    r.creditBefore = static_cast<std::int32_t>(num(11));
    r.creditAfter = static_cast<std::int32_t>(num(12));
    lastRead = r.id;
    visit(r);
  }
  return lastRead;
}

void SqliteHistory::forEachMoney(int slot, const std::function<void(const RecordMoney&)>& visit) {
  const std::deque<GameRecord> waiting = waitingCopy();
  std::int64_t lastRead = 0;
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    lastRead = readMoney(slot, 0, visit);
  }
  // A waiting record of the slot written meanwhile was read from the file.
  for (const GameRecord& r : waiting)
    if (r.id > lastRead && (slot == 0 || r.slot == slot)) visit(moneyOf(r));
}

void SqliteHistory::forEachSummarized(int slot, const std::function<void(const HistoryBlock&)>& block,
                                      const std::function<void(const RecordMoney&)>& record) {
  const std::deque<GameRecord> waiting = waitingCopy();
  std::int64_t lastRead = 0;
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    // The summaries and the records from one moment of the file.
    const bool snapshot = exec(db_, "BEGIN");
    std::vector<HistoryBlock> blocks;
    std::int64_t firstDetailed = 1;
    if (summaries_) {
      firstDetailed = firstDetailedId(single(db_, "SELECT COALESCE(MAX(id), 0) FROM records"),
                                      single(db_, "SELECT COALESCE(MAX(last_id), 0) FROM summary"));
      Statement q(db_, "SELECT figures FROM summary WHERE slot = ? AND block < ? ORDER BY block");
      if (q.st) {
        sqlite3_bind_int(q.st, 1, slot);
        sqlite3_bind_int64(q.st, 2, blockOf(firstDetailed));
      }
      while (q.st && sqlite3_step(q.st) == SQLITE_ROW) {
        auto b = decodeHistoryBlock(textColumn(q.st, 0));
        if (!b) {
          // A damaged summary: the records themselves are read.
          blocks.clear();
          firstDetailed = 1;
          break;
        }
        blocks.push_back(std::move(*b));
      }
    }
    for (const HistoryBlock& b : blocks) {
      lastRead = b.lastId;
      block(b);
    }
    lastRead = std::max(lastRead, readMoney(slot, firstDetailed, record));
    if (snapshot) exec(db_, "COMMIT");
  }
  for (const GameRecord& r : waiting)
    if (r.id > lastRead && r.slot == slot) record(moneyOf(r));
}

std::optional<SqliteHistory::StoredSummaries> SqliteHistory::storedSummaries() {
  std::lock_guard<std::mutex> db(dbMutex_);
  if (!summaries_) return std::nullopt;
  StoredSummaries stored;
  Statement q(db_, "SELECT figures, last_id FROM summary ORDER BY slot, block");
  while (q.st && sqlite3_step(q.st) == SQLITE_ROW) {
    stored.summarizedTo = std::max<std::int64_t>(stored.summarizedTo, sqlite3_column_int64(q.st, 1));
    if (auto b = decodeHistoryBlock(textColumn(q.st, 0)))
      stored.blocks.push_back(std::move(*b));
    else
      ++stored.unreadable;
  }
  return stored;
}

std::int64_t SqliteHistory::count() {
  const std::deque<GameRecord> waiting = waitingCopy();
  std::int64_t rows = 0, lastRead = 0;
  {
    std::lock_guard<std::mutex> db(dbMutex_);
    Statement q(db_, "SELECT COUNT(*), COALESCE(MAX(id), 0) FROM records");
    if (q.st && sqlite3_step(q.st) == SQLITE_ROW) {
      rows = sqlite3_column_int64(q.st, 0);
      lastRead = sqlite3_column_int64(q.st, 1);
    }
  }
  return rows + std::count_if(waiting.begin(), waiting.end(),
                              [&](const GameRecord& r) { return r.id > lastRead; });
}

std::string SqliteHistory::columns() const {
  // A file read as it stands without the column reads every setting as 0.
  return std::string(kColumnsBeforePayout) + (payoutColumn_ ? kPayoutColumn : ", 0");
}

std::string SqliteHistory::integrityCheck() {
  std::lock_guard<std::mutex> db(dbMutex_);
  Statement q(db_, "PRAGMA integrity_check");
  std::string result;
  while (q.st && sqlite3_step(q.st) == SQLITE_ROW)
    result += (result.empty() ? "" : "\n") + textColumn(q.st, 0);
  return db_ ? result : openError_;
}

}  // namespace quov
