#include "headless/headless_platform.h"

#include <algorithm>

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
  deliverPosted();
  scheduler_.runDue();
}

void HeadlessLoop::sleep(int ms) {
  if (ms <= 0) return;
  if (onSleep) onSleep(ms);
  scheduler_.setNow(scheduler_.now() + ms);
  slept += ms;
}

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

std::size_t MemoryStore::KeyHash::operator()(const KeyView& k) const {
  const std::hash<std::string_view> hash;
  std::size_t h = hash(std::get<0>(k));
  for (const std::string_view part : {std::get<1>(k), std::get<2>(k)})
    h = h * 1099511628211u ^ hash(part);
  return h;
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
