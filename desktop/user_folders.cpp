#include "desktop/user_folders.h"

#include <QDir>

namespace quov {

namespace {
bool hasHome() {
  const QString home = qEnvironmentVariable("HOME");
  return !home.isEmpty() && QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QDir::rootPath();
}
bool namesAFolder(const char* variable) {
  const QString folder = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(folder) && QDir::cleanPath(folder) != QDir::rootPath();
}
}  // namespace

QString userFolder(QStandardPaths::StandardLocation location, const char* xdgVariable) {
  if (!hasHome() && !namesAFolder(xdgVariable)) return {};
  return QStandardPaths::writableLocation(location);
}

}  // namespace quov
