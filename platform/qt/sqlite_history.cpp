#include "platform/qt/sqlite_history.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/history_text.h"
#include "platform/qt/user_folders.h"

namespace quov {

namespace {

// Columns in the order of the statements below.
constexpr const char* kColumns =
    "id, time, kind, slot, lines, bet_per_line, bet, reel1, reel2, reel3, reel4, reel5, held, "
    "voids, line_wins, scatters, scatter_pay, multiplier, win, award, series, series_spin, "
    "ball_start, ball_cell, prize, gambled, stake, gamble_steps, money_in, paid, "
    "credit_before, credit_after";
constexpr int kColumnCount = 32;
// Appends between two checkpoints: a few hundred pages of log at most.
constexpr int kCheckpointEvery = 256;

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
    " credit_before INTEGER NOT NULL, credit_after INTEGER NOT NULL)";

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

std::string textColumn(sqlite3_stmt* st, int col) {
  const unsigned char* t = sqlite3_column_text(st, col);
  return t ? reinterpret_cast<const char*>(t) : "";
}

}  // namespace

QString SqliteHistory::defaultPath() {
  const QString folder = userFolder(QStandardPaths::AppDataLocation, "XDG_DATA_HOME");
  return folder.isEmpty() ? QString() : folder + "/history.sqlite";
}

SqliteHistory::SqliteHistory(QString path) : path_(std::move(path)) {
  // Without a home there is no folder for the history: nothing is written.
  if (path_.isEmpty()) {
    fail("open");
    return;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  if (sqlite3_open_v2(path_.toUtf8().constData(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    fail("open");
    return;
  }
  sqlite3_busy_timeout(db_, 2000);
  // WAL: a record is durable once its transaction is in the log, and a
  // process killed in the middle of one leaves the file as it was before.
  // NORMAL syncs at checkpoints only; that survives any crash of the
  // program, which is what the history must survive.
  if (!exec("PRAGMA journal_mode=WAL") || !exec("PRAGMA synchronous=NORMAL") ||
      !exec("PRAGMA wal_autocheckpoint=0") || !exec(kSchema)) {
    fail("set up");
    return;
  }
  std::string sql = "INSERT INTO records (";
  sql += kColumns;
  sql += ") VALUES (NULL";
  for (int i = 1; i < kColumnCount; ++i) sql += ", ?";
  sql += ")";
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &insert_, nullptr) != SQLITE_OK) {
    fail("prepare");
    return;
  }
  checkpointer_ = std::thread([this] { checkpointLoop(); });
}

SqliteHistory::~SqliteHistory() {
  if (checkpointer_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    checkpointer_.join();
  }
  sqlite3_finalize(insert_);
  sqlite3_close_v2(db_);  // the last connection to close checkpoints the rest
}

// On its own connection: a passive checkpoint takes no lock an append
// needs, so the game's thread never waits for it.
void SqliteHistory::checkpointLoop() {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close_v2(db);
    return;
  }
  sqlite3_busy_timeout(db, 2000);
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stopping_ || appendsSinceCheckpoint_ >= kCheckpointEvery; });
    if (stopping_) break;
    appendsSinceCheckpoint_ = 0;
    lock.unlock();
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    lock.lock();
  }
  sqlite3_close_v2(db);
}

void SqliteHistory::fail(const char* what) {
  error_ = std::string(what) + ": " + (db_ ? sqlite3_errmsg(db_) : "no database");
  sqlite3_finalize(insert_);
  insert_ = nullptr;
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool SqliteHistory::exec(const char* sql) {
  return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::int64_t SqliteHistory::append(GameRecord& r) {
  if (!insert_) return 0;
  r.timeMs = QDateTime::currentMSecsSinceEpoch();
  const std::string wins = encodeLineWins(r.lineWins), steps = encodeGambleSteps(r.steps);
  sqlite3_stmt* st = insert_;
  int i = 1;
  auto num = [&](long long v) { sqlite3_bind_int64(st, i++, v); };
  auto text = [&](const std::string& v) {
    sqlite3_bind_text(st, i++, v.c_str(), static_cast<int>(v.size()), SQLITE_STATIC);
  };
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
  const int rc = sqlite3_step(st);
  sqlite3_reset(st);
  sqlite3_clear_bindings(st);
  if (rc != SQLITE_DONE) {
    error_ = std::string("append: ") + sqlite3_errmsg(db_);
    return 0;
  }
  r.id = sqlite3_last_insert_rowid(db_);
  bool due = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    due = ++appendsSinceCheckpoint_ >= kCheckpointEvery;
  }
  if (due) wake_.notify_one();
  return r.id;
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
    if (!wins || !steps || kind < 0 || kind >= kRecordKinds || prize < 0 || prize > 6) {
      ++damaged_;
      continue;
    }
    r.kind = static_cast<RecordKind>(kind);
    r.prize = static_cast<PrizeKind>(prize);
    r.lineWins = *wins;
    r.steps = *steps;
    visit(r);
  }
}

std::vector<GameRecord> SqliteHistory::lastGames(int games) {
  std::vector<GameRecord> out;
  Statement q(db_, QString::fromLatin1(kLastGames).arg(kColumns).toStdString());
  if (!q.st) return out;
  sqlite3_bind_int(q.st, 1, games - 1);
  readRows(q.st, [&](const GameRecord& r) { out.push_back(r); });
  return out;
}

void SqliteHistory::forEach(const std::function<void(const GameRecord&)>& visit) {
  Statement q(db_, std::string("SELECT ") + kColumns + " FROM records ORDER BY id");
  readRows(q.st, visit);
}

std::int64_t SqliteHistory::count() {
  Statement q(db_, "SELECT COUNT(*) FROM records");
  return q.st && sqlite3_step(q.st) == SQLITE_ROW ? sqlite3_column_int64(q.st, 0) : 0;
}

std::string SqliteHistory::integrityCheck() {
  Statement q(db_, "PRAGMA integrity_check");
  std::string result;
  while (q.st && sqlite3_step(q.st) == SQLITE_ROW)
    result += (result.empty() ? "" : "\n") + textColumn(q.st, 0);
  return db_ ? result : error_;
}

}  // namespace quov
