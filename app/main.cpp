// The desktop slot machine: one window showing the cabinet.
#include <QApplication>

#include "platform/qt/desktop_machine.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quov"));
  QApplication::setOrganizationName(QStringLiteral("quov"));
  QApplication::setDesktopFileName(QStringLiteral("io.quov.Quov"));
  // The game ends only through its own shut-down, never because a window hid.
  QApplication::setQuitOnLastWindowClosed(false);
  quov::DesktopMachine machine;
  machine.start();
  return QApplication::exec();
}
