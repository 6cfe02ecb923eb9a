// A small writer of JSON text: objects, arrays, numbers and strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quov::par {

class JsonWriter {
 public:
  JsonWriter& beginObject(const char* key = nullptr) { return open(key, '{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray(const char* key = nullptr) { return open(key, '['); }
  JsonWriter& endArray() { return close(']'); }
  JsonWriter& value(const char* key, double v);
  JsonWriter& value(const char* key, std::int64_t v);
  JsonWriter& value(const char* key, int v) { return value(key, static_cast<std::int64_t>(v)); }
  JsonWriter& value(const char* key, std::uint64_t v) { return value(key, static_cast<std::int64_t>(v)); }
  JsonWriter& value(const char* key, bool v);
  JsonWriter& value(const char* key, const std::string& v);
  JsonWriter& value(const char* key, const char* v) { return value(key, std::string(v)); }
  const std::string& text() const { return out_; }

 private:
  JsonWriter& open(const char* key, char bracket);
  JsonWriter& close(char bracket);
  void item(const char* key);
  std::string out_;
  std::vector<bool> first_;
};

}  // namespace quov::par
