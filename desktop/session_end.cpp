#include "desktop/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace quov {

namespace {
// The pipe's writing end, for the handler; -1 while no instance lives.
std::atomic<int> signalPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free);
}  // namespace

void SessionEnd::handle(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  const int fd = signalPipe.load();
  if (fd >= 0) (void)!::write(fd, &byte, 1);
  errno = saved;
}

SessionEnd::SessionEnd(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
  if (::pipe2(pipe_.data(), O_NONBLOCK | O_CLOEXEC) != 0) {
    qWarning("quov: no pipe for the session's end; SIGTERM ends the game without saving");
    return;
  }
  signalPipe.store(pipe_[1]);
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
  struct sigaction action {};
  action.sa_handler = &SessionEnd::handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    // A signal the game was started to ignore (nohup, a background job)
    // stays ignored.
    ::sigaction(kSignals[i], nullptr, &former_[i]);
    if (former_[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

SessionEnd::~SessionEnd() {
  if (!notifier_) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &former_[i], nullptr);
  signalPipe.store(-1);
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void SessionEnd::drain() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (onEnd_) onEnd_();
}

}  // namespace quov
