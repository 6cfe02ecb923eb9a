#include "platform/qt/qt_links.h"

#include <QDesktopServices>
#include <QNetworkInformation>
#include <QUrl>

namespace quov {

bool QtLinks::connected() {
  if (!QNetworkInformation::instance() &&
      !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
    return true;  // no way to tell: assume a connection
  const auto* info = QNetworkInformation::instance();
  return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

int QtLinks::open(const std::string& link, const std::string&) {
  if (QDesktopServices::openUrl(QUrl(QString::fromStdString(link)))) return 42;
  lastError_ = 2;  // the file or handler was not found
  return 0;
}

}  // namespace quov
