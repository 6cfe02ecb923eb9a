#include "desktop/qt_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QUrl>

namespace quov {

QtLinks::QtLinks(QString docs) : docs_(std::move(docs)) {}

QString QtLinks::installedDocs() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/") +
                         QStringLiteral(QUOV_DOCS_FROM_PROGRAM));
}

std::string QtLinks::shippedPage(const std::string& name) {
  const QFileInfo page(QDir(docs_), QString::fromStdString(name));
  if (!page.isFile()) return {};
  return QUrl::fromLocalFile(page.absoluteFilePath()).toString(QUrl::FullyEncoded).toStdString();
}

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
