// The end of the desktop session as a close request. SIGTERM (the session
// or the system shutting down), SIGINT (Ctrl+C in a terminal) and SIGHUP
// (the terminal going away) are caught; the handler only writes the signal's
// number into a pipe, and the event loop, woken by the pipe, calls `onEnd`
// from the user-interface thread like any other event. One instance at a
// time; the signals' former handling returns when it goes, and a signal
// the program was started to ignore stays ignored.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

namespace quov {

class SessionEnd : public QObject {
  Q_OBJECT
 public:
  explicit SessionEnd(std::function<void()> onEnd);
  ~SessionEnd() override;

  // The signals caught.
  static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

 private:
  static void handle(int signal);
  void drain();

  std::function<void()> onEnd_;
  std::array<int, 2> pipe_{-1, -1};
  std::array<struct sigaction, kSignals.size()> former_{};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quov
