#include "desktop/app_identity.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quov {

QIcon appIcon() {
  QSvgRenderer svg(QStringLiteral(":/icons/quov.svg"));
  QIcon icon;
  if (!svg.isValid()) return icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

void presentToDesktop() {
  // The application name is the X11 window class, which the launcher's
  // StartupWMClass names; the desktop file name is the Wayland app id.
  QGuiApplication::setApplicationName(QString::fromLatin1(kAppId));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
  QGuiApplication::setWindowIcon(appIcon());
}

}  // namespace quov
