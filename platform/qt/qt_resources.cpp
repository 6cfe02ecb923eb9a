#include "platform/qt/qt_resources.h"

#include <QFile>

namespace quov {

Bytes QtResources::load(const std::string& type, const std::string& name) {
  QFile f(":/" + QString::fromStdString(type) + "/" + QString::fromStdString(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = f.readAll();
  return Bytes(data.begin(), data.end());
}

}  // namespace quov
