// Links opened in the desktop's default handler, and the connection check.
#pragma once

#include "platform/services.h"

namespace quov {

class QtLinks : public Links {
 public:
  bool connected() override;
  // Returns 42 when the desktop took the link, 0 when it did not.
  int open(const std::string& link, const std::string& action) override;
  int lastError() override { return lastError_; }

 private:
  int lastError_ = 0;
};

}  // namespace quov
