// The desktop slot machine: one window showing the cabinet.
#include <QApplication>

#include "platform/qt/app_identity.h"
#include "platform/qt/desktop_machine.h"

#ifdef QUOV_TEST_HOOKS
#include <QStringList>

namespace {
// Test builds only: forced draws from QUOV_TEST_DRAWS ("2,22,8,17,1,1"), handed
// out before the generator's own.
void pushTestDraws(quov::ScriptedRandom& random) {
  const QStringList values =
      qEnvironmentVariable("QUOV_TEST_DRAWS").split(u',', Qt::SkipEmptyParts);
  for (const QString& v : values) {
    bool ok = false;
    const int draw = v.trimmed().toInt(&ok);
    if (ok) random.push(draw);
  }
}
}  // namespace
#endif

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quov::presentToDesktop();
  // The game ends only through its own shut-down, never because a window hid.
  QApplication::setQuitOnLastWindowClosed(false);
  quov::DesktopMachine machine;
#ifdef QUOV_TEST_HOOKS
  pushTestDraws(machine.random);
#endif
  machine.start();
  return QApplication::exec();
}
