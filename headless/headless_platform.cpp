#include "headless/headless_platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quov {

void HeadlessLoop::deliverPosted() {
  while (!posted_.empty()) {
    auto event = std::move(posted_.front());
    posted_.pop_front();
    event();
  }
}

void HeadlessLoop::yield() {
  ++yields;
  if (!posted_.empty()) deliverPosted();  // nearly every yield has no input waiting
  scheduler_.runDue();
}

void HeadlessLoop::sleep(int ms) {
  if (ms <= 0) return;
  if (onSleep) observeSleep(ms);
  scheduler_.setNow(scheduler_.now() + ms);
  slept += ms;
}

void HeadlessLoop::observeSleep(int ms) { onSleep(ms); }

void HeadlessLoop::runUntil(Millis until) {
  deliverPosted();
  scheduler_.runUntil(until);
}

MsgAnswer ScriptedMessages::show(const std::string& text, const std::string& title, MsgIcon icon,
                                 MsgButtons buttons, bool defaultNo) {
  shown.push_back({text, title, icon, buttons, defaultNo});
  if (!answers.empty()) {
    MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  return defaultNo ? MsgAnswer::No : MsgAnswer::Yes;
}

namespace {
// The names are short words: each is mixed in whole words of eight or four
// bytes (the last ones overlapping the rest), in line, rather than hashed
// byte by byte by the library.
std::uint64_t mixWord(std::uint64_t h, std::uint64_t word) {
  h = (h ^ word) * 0x9E3779B97F4A7C15u;
  return h ^ h >> 29;
}
template <class Word>
std::uint64_t load(const char* p) {
  Word w;
  std::memcpy(&w, p, sizeof w);
  return w;
}
std::uint64_t mixName(std::uint64_t h, std::string_view name) {
  const char* p = name.data();
  const std::size_t n = name.size();
  h = mixWord(h, n);
  if (n >= 8) {
    for (std::size_t i = 0; i + 8 <= n; i += 8) h = mixWord(h, load<std::uint64_t>(p + i));
    if (n % 8 != 0) h = mixWord(h, load<std::uint64_t>(p + n - 8));
  } else if (n >= 4) {
    h = mixWord(h, load<std::uint32_t>(p) << 32 | load<std::uint32_t>(p + n - 4));
  } else {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < n; ++i) word = word << 8 | static_cast<unsigned char>(p[i]);
    h = mixWord(h, word);
  }
  return h;
}
}  // namespace

std::size_t MemoryStore::KeyHash::operator()(const KeyView& k) const {
  return static_cast<std::size_t>(
      mixName(mixName(mixName(0, std::get<0>(k)), std::get<1>(k)), std::get<2>(k)));
}

std::string MemoryStore::read(const std::string& app, const std::string& section,
                              const std::string& key) {
  auto it = values.find(KeyView(app, section, key));
  return it == values.end() ? std::string{} : it->second;
}

void MemoryStore::write(const std::string& app, const std::string& section, const std::string& key,
                        const std::string& value) {
  if (auto it = values.find(KeyView(app, section, key)); it != values.end())
    it->second = value;
  else
    values.emplace(Key(app, section, key), value);
  if (recordWrites) writtenKeys.push_back(app + "/" + section + "/" + key);
}

bool MemoryStore::has(const std::string& app, const std::string& section,
                      const std::string& key) const {
  return values.contains(KeyView(app, section, key));
}

void RecordedSound::playClip(int id, const Bytes*, ClipMode mode) {
  if (recording) played.push_back({mode == ClipMode::Stop ? 0 : id, mode, clock_.now()});
}

void RecordedSound::mediaCommand(const std::string& command) {
  if (recording) media.push_back(command);
}

std::vector<int> RecordedSound::ids() const {
  std::vector<int> out;
  out.reserve(played.size());
  for (const Played& p : played) out.push_back(p.id);
  return out;
}

int RecordedSound::count(int id) const {
  return static_cast<int>(
      std::count_if(played.begin(), played.end(), [id](const Played& p) { return p.id == id; }));
}

Bytes FakeResources::load(const std::string& type, const std::string& name) {
  if (missing.count(name)) return {};
  Bytes b(type.begin(), type.end());
  b.insert(b.end(), name.begin(), name.end());
  return b;
}

bool MemoryFiles::createFolder(const std::string& path) { return folders.insert(path).second; }

bool MemoryFiles::removeFolder(const std::string& path) {
  for (const auto& [name, data] : files)
    if (name.rfind(path + "/", 0) == 0) return false;  // not empty
  return folders.erase(path) != 0;
}

bool MemoryFiles::writeFile(const std::string& path, const Bytes& data) {
  files[path] = data;
  return true;
}

bool MemoryFiles::deleteFile(const std::string& path) { return files.erase(path) != 0; }

int RecordedLinks::open(const std::string& link, const std::string& action) {
  opened.emplace_back(link, action);
  return result;
}

std::string RecordedLinks::shippedPage(const std::string& name) {
  return shippedFolder.empty() ? std::string() : "file://" + shippedFolder + "/" + name;
}

}  // namespace quov
