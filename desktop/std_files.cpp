#include "desktop/std_files.h"

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <iterator>

#include "desktop/files/safe_files.h"

namespace quov {

namespace fs = std::filesystem;

bool StdFiles::inside(const std::string& path, bool last) const {
  if (root_.empty() || !fs::path(root_).is_absolute()) return false;
  const fs::path root = fs::path(root_).lexically_normal();
  const fs::path relative = fs::path(path).lexically_normal().lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return false;
  fs::path walked = root;
  for (auto part = relative.begin(); part != relative.end(); ++part) {
    if (!last && std::next(part) == relative.end()) break;
    walked /= *part;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(walked, ec))) return false;
  }
  return true;
}

bool StdFiles::createFolder(const std::string& path) {
  if (!inside(path, true)) return false;
  std::error_code ec;
  return fs::create_directories(path, ec);
}

bool StdFiles::removeFolder(const std::string& path) {
  if (!inside(path, true)) return false;
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(path, ec)) || !fs::is_empty(path, ec)) return false;
  return fs::remove(path, ec);
}

bool StdFiles::writeFile(const std::string& path, const Bytes& data) {
  // A link in the file's own place is replaced, not followed.
  if (!inside(path, false)) return false;
  const fs::path p(path);
  const QByteArray bytes(reinterpret_cast<const char*>(data.data()),
                         static_cast<qsizetype>(data.size()));
  return replaceFile(QString::fromStdString(p.parent_path().string()),
                     QString::fromStdString(p.filename().string()), bytes, false)
      .isEmpty();
}

bool StdFiles::deleteFile(const std::string& path) {
  // A link in the file's own place is removed, not followed.
  if (!inside(path, false)) return false;
  std::error_code ec;
  const fs::file_status s = fs::symlink_status(path, ec);
  return (fs::is_regular_file(s) || fs::is_symlink(s)) && fs::remove(path, ec);
}

}  // namespace quov
