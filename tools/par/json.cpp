#include "tools/par/json.h"

#include <cmath>
#include <cstdio>

namespace quov::par {

namespace {
std::string quoted(const std::string& s) {
  std::string q = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') q += '\\';
    q += c;
  }
  return q + "\"";
}
}  // namespace

void JsonWriter::item(const char* key) {
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
    out_ += '\n';
    out_.append(2 * first_.size(), ' ');
  }
  if (key != nullptr) out_ += quoted(key) + ": ";
}

JsonWriter& JsonWriter::open(const char* key, char bracket) {
  item(key);
  out_ += bracket;
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  const bool empty = first_.back();
  first_.pop_back();
  if (!empty) {
    out_ += '\n';
    out_.append(2 * first_.size(), ' ');
  }
  out_ += bracket;
  if (first_.empty()) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::value(const char* key, double v) {
  item(key);
  if (!std::isfinite(v)) {
    out_ += "null";
    return *this;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.12g", v);
  out_ += buf;
  return *this;
}

JsonWriter& JsonWriter::value(const char* key, std::int64_t v) {
  item(key);
  out_ += std::to_string(v);
  return *this;
}

JsonWriter& JsonWriter::value(const char* key, bool v) {
  item(key);
  out_ += v ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::value(const char* key, const std::string& v) {
  item(key);
  out_ += quoted(v);
  return *this;
}

}  // namespace quov::par
