#include "platform/qt/std_files.h"

#include <filesystem>
#include <fstream>

namespace quov {

namespace fs = std::filesystem;

bool StdFiles::createFolder(const std::string& path) {
  std::error_code ec;
  return fs::create_directories(path, ec);
}

bool StdFiles::removeFolder(const std::string& path) {
  std::error_code ec;
  if (!fs::is_directory(path, ec) || !fs::is_empty(path, ec)) return false;
  return fs::remove(path, ec);
}

bool StdFiles::writeFile(const std::string& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

bool StdFiles::deleteFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec) && fs::remove(path, ec);
}

}  // namespace quov
