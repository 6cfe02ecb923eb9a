// An environment variable set (or unset, for a null value) for one test and
// put back afterwards.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace quov::test {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value)
      qputenv(name, value);
    else
      qunsetenv(name);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

}  // namespace quov::test
