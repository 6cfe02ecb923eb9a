#include "desktop/background_saver.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>

#include "mainscreen/timing.h"

namespace quov {

BackgroundSaver::BackgroundSaver(SettingsFiles files)
    : files_(std::move(files)), worker_([this] { run(); }) {}

BackgroundSaver::~BackgroundSaver() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void BackgroundSaver::post(SettingsFiles::Apps snapshot, quint64 generation) {
  {
    std::lock_guard lock(mutex_);
    snapshot_ = std::move(snapshot);
    generation_ = generation;
    ++posted_;
    unsaved_ = true;
  }
  wake_.notify_all();
}

void BackgroundSaver::reportProblem(const QString& reason) {
  std::lock_guard lock(mutex_);
  record(reason);
}

void BackgroundSaver::holdSaves(const QString& reason) {
  std::lock_guard lock(mutex_);
  held_ = reason;
  ++health_.episode;
  health_.failing = true;
  health_.reason = health_.unreadable = reason.toStdString();
  qWarning("quov: the records cannot be read (%s); they are left as they are and nothing is "
           "saved until the game starts again and can read them",
           qUtf8Printable(reason));
}

void BackgroundSaver::waitTried() {
  std::unique_lock lock(mutex_);
  tried_.wait(lock, [this] { return triedUpTo_ >= posted_; });
}

SaveHealth BackgroundSaver::health() const {
  std::lock_guard lock(mutex_);
  return health_;
}

bool BackgroundSaver::failingNow() const {
  std::lock_guard lock(mutex_);
  return health_.failing;
}

std::uint64_t BackgroundSaver::attempts() const {
  std::lock_guard lock(mutex_);
  return attempts_;
}

void BackgroundSaver::record(const QString& error) {
  if (error.isEmpty()) {
    if (health_.failing) qInfo("quov: the settings are saved again");
    health_.failing = false;
    health_.reason.clear();
    return;
  }
  if (!health_.failing) {
    ++health_.episode;
    qWarning("quov: the settings cannot be saved (%s); trying again", qUtf8Printable(error));
  }
  health_.failing = true;
  health_.reason = error.toStdString();
}

void BackgroundSaver::attempt(std::unique_lock<std::mutex>& lock) {
  const SettingsFiles::Apps snapshot = snapshot_;
  const quint64 generation = generation_;
  const std::uint64_t serial = posted_;
  const QString held = held_;
  lock.unlock();
  const QString error = held.isEmpty() ? files_.save(snapshot, generation) : held;
  lock.lock();
  ++attempts_;
  record(error);
  if (error.isEmpty() && serial == posted_) unsaved_ = false;
  triedUpTo_ = std::max(triedUpTo_, serial);
  tried_.notify_all();
}

void BackgroundSaver::run() {
  std::unique_lock lock(mutex_);
  int pause = timing::kStoreRetryFirst;
  for (;;) {
    if (triedUpTo_ < posted_) {
      attempt(lock);
      if (!unsaved_) pause = timing::kStoreRetryFirst;
      continue;
    }
    if (stopping_) {
      // One last try of what a failure left unsaved.
      if (unsaved_) attempt(lock);
      return;
    }
    if (!unsaved_) {
      wake_.wait(lock, [this] { return stopping_ || triedUpTo_ < posted_; });
      continue;
    }
    const bool woken = wake_.wait_for(lock, std::chrono::milliseconds(pause),
                                      [this] { return stopping_ || triedUpTo_ < posted_; });
    if (woken) continue;
    attempt(lock);
    pause = std::min(pause * 2, timing::kStoreRetryLongest);
  }
}

}  // namespace quov
