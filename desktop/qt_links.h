// Links opened in the desktop's default handler, the connection check, and
// the pages installed with the game.
#pragma once

#include <QString>

#include "platform/services.h"

namespace quov {

class QtLinks : public Links {
 public:
  // The pages installed with the game are looked for in `docs`, by default
  // the folder they are installed to, found from the program's own folder
  // (the build puts them at the same place beside the built program).
  explicit QtLinks(QString docs = installedDocs());
  static QString installedDocs();

  bool connected() override;
  // Returns 42 when the desktop took the link, 0 when it did not.
  int open(const std::string& link, const std::string& action) override;
  int lastError() override { return lastError_; }
  std::string shippedPage(const std::string& name) override;

 private:
  QString docs_;
  int lastError_ = 0;
};

}  // namespace quov
