// The file operations on the real file system; a failure returns false.
#pragma once

#include "platform/services.h"

namespace quov {

class StdFiles : public Files {
 public:
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool writeFile(const std::string& path, const Bytes& data) override;
  bool deleteFile(const std::string& path) override;
};

}  // namespace quov
