// Program resources compiled into the executable: ":/<type>/<name>".
#pragma once

#include "platform/services.h"

namespace quov {

class QtResources : public Resources {
 public:
  Bytes load(const std::string& type, const std::string& name) override;
};

}  // namespace quov
