// A check that something does not block: it runs on a thread of its own and
// must finish within a limit far above what it needs. A thread still blocked
// at the limit is freed by `unblock` (opening a pipe's other end, say), so
// a failing check ends instead of hanging the suite.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace quov::test {

inline bool finishesWithin(std::chrono::milliseconds limit, const std::function<void()>& work,
                           const std::function<void()>& unblock) {
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  std::thread worker([&] {
    work();
    done.set_value();
  });
  const bool inTime = finished.wait_for(limit) == std::future_status::ready;
  while (!inTime && finished.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
    unblock();
  worker.join();
  return inTime;
}

// Frees a reader blocked opening or reading the named pipe at `path`.
inline void openPipeForWriting(const char* path) {
  const int fd = ::open(path, O_WRONLY | O_NONBLOCK);
  if (fd >= 0) ::close(fd);
}

}  // namespace quov::test
