#include "desktop/qt_resources.h"

#include <QResource>

namespace quov {

Bytes QtResources::load(const std::string& type, const std::string& name) {
  const QResource resource(":/" + QString::fromStdString(type) + "/" + QString::fromStdString(name));
  if (!resource.isValid()) return {};
  // The clips are stored as they are (see desktop/CMakeLists.txt): their
  // bytes are copied once, straight from the program's image.
  if (resource.compressionAlgorithm() == QResource::NoCompression) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(resource.data());
    return Bytes(data, data + resource.size());
  }
  const QByteArray data = resource.uncompressedData();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
  return Bytes(bytes, bytes + data.size());
}

}  // namespace quov
