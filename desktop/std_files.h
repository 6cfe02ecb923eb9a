// The file operations on the real file system, kept inside one folder of the
// user's: a path outside it, or any path when there is no such folder, is
// refused, and so is a path that passes through a link below that folder
// (one planted in place of the tune's folder would have the tune written
// into, and deleted from, wherever it points). A file is written whole to a
// new file and renamed into place, so a link planted under its name is
// replaced, never written through. A failure returns false. The user's
// folder itself may be a link the user made.
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
  // Inside the folder, through no link below it; `last` checks the path's
  // own last part too.
  bool inside(const std::string& path, bool last) const;
  std::string root_;
};

}  // namespace quov
