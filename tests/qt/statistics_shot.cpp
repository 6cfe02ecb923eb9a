// A screenshot of the statistics window as a player opens it: the desktop
// game started on the user's folders (XDG_* point where the history is),
// the Options key pressed, then the history frame's Charts button; once the charts
// are drawn the window is taken from the screen (under Xvfb, the X server's
// own pixels) and written to FILE, showing the chart of tab TAB (0 to 2).
//   quov_statistics_shot FILE [TAB]
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "desktop/desktop_machine.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quov_statistics_shot FILE [TAB]\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("io.quov.Quov");
  QApplication::setQuitOnLastWindowClosed(false);
  quov::DesktopMachine machine;
  machine.start();
  if (!QTest::qWaitForWindowExposed(&machine.canvas, 20000)) return 1;
  QTest::keyClick(&machine.canvas, Qt::Key_O);  // the Options key
  if (!QTest::qWaitFor([&] { return machine.form(machine.cabinet.quovoptions.screen).isVisible(); }, 10000))
    return 1;
  auto* button = qobject_cast<QPushButton*>(
      machine.form(machine.cabinet.quovoptions.screen).widgetFor(machine.cabinet.quovoptions.btncharts));
  if (!button) return 1;
  QTest::mouseClick(button, Qt::LeftButton);
  quov::StatisticsWindow& w = machine.statistics();
  if (!QTest::qWaitFor([&] { return w.isVisible() && w.ready(); }, 60000)) return 1;
  if (argc > 2) w.findChild<QTabWidget*>()->setCurrentIndex(std::atoi(argv[2]));
  w.move(0, 0);
  QTest::qWait(1500);  // the window manager's place, the charts painted
  const QPixmap shot = w.screen()->grabWindow(w.winId());
  const bool saved = shot.save(QString::fromLocal8Bit(argv[1]), "PNG");
  std::printf("%dx%d pixels at ratio %.1f\n", shot.width(), shot.height(), shot.devicePixelRatio());
  machine.requestClose();
  return saved ? 0 : 1;
}
