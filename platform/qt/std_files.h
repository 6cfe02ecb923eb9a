// The file operations on the real file system, kept inside one folder of the
// user's: a path outside it, or any path when there is no such folder, is
// refused. A file is written whole to a new file and renamed into place, so a
// link planted under its name is replaced, never written through. A failure
// returns false.
#pragma once

#include <string>

#include "platform/services.h"

namespace quov {

class StdFiles : public Files {
 public:
  explicit StdFiles(std::string root) : root_(std::move(root)) {}

  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool writeFile(const std::string& path, const Bytes& data) override;
  bool deleteFile(const std::string& path) override;

 private:
  bool inside(const std::string& path) const;
  std::string root_;
};

}  // namespace quov
