// Measurements of the desktop cabinet (not a test): start-up to the first
// painted frame, frame paint time at two window sizes, and the length of a
// spin-down at reel speed 1 against the sleeps it is made of.
//   QT_QPA_PLATFORM=offscreen quov_qt_measure
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "desktop/desktop_machine.h"
#include "engine/spin_cycle.h"
#include "mainscreen/timing.h"
#include "rules/spin_down.h"

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double paintTime(quov::DesktopMachine& m, int w, int h) {
  m.canvas.resize(w, h);
  QCoreApplication::processEvents();
  m.canvas.repaint();  // renders the pictures into the cache
  constexpr int kFrames = 200;
  const auto t = Clock::now();
  for (int i = 0; i < kFrames; ++i) {
    m.quov.lblwin.setCaption("$ " + std::to_string(i));
    m.canvas.repaint();
  }
  return msSince(t) / kFrames;
}

}  // namespace

int main(int argc, char** argv) {
  const auto launch = Clock::now();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quov-measure"));
  QTemporaryDir dir;
  qputenv("XDG_CACHE_HOME", (dir.path() + "/cache").toUtf8());
  {
    QDir().mkpath(dir.path() + "/config");
    QFile ini(dir.path() + "/config/quovslot.ini");
    if (ini.open(QIODevice::WriteOnly)) ini.write("[player1]\nbank=500000\n");
  }
  quov::DesktopMachine m(dir.path() + "/config");
  m.start();
  while (m.canvas.paintedFrames() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  std::printf("start-up to first painted frame: %.1f ms\n", msSince(launch));

  std::printf("frame paint 800 x 600: %.3f ms\n", paintTime(m, 800, 600));
  std::printf("frame paint 1920 x 1440: %.3f ms\n", paintTime(m, 1920, 1440));
  m.canvas.resize(800, 600);
  QCoreApplication::processEvents();

  // Spin-downs without a win: their only sleeps are the animation frames.
  int sleeps = 0, sleptMs = 0;
  Clock::time_point first{};
  auto onRepaint = m.loop.onRepaint;
  m.loop.onRepaint = [&] {
    if (sleeps++ == 0) first = Clock::now();
    onRepaint();
  };
  for (int attempt = 0; attempt < 50; ++attempt) {
    QTest::qWait(100);
    m.mod.reelspeed = 1;
    sleeps = 0;
    const auto pressed = Clock::now();
    m.cabinet.engine.spinCycle().btnstartall_click();
    const double whole = msSince(pressed);
    if (m.quov.spinwin != 0 || sleeps == 0) continue;
    sleptMs = sleeps * (quov::spinDownSpeed(1)->pause + quov::timing::kFrameExtra);
    const double animated = std::chrono::duration<double, std::milli>(Clock::now() - first).count();
    std::printf("spin-down at reel speed 1: %.0f ms measured for %d frames (%d ms of sleeps), "
                "whole spin %.0f ms\n",
                animated, sleeps, sleptMs, whole);
    break;
  }
  m.canvas.close();
  return 0;
}
