// The headless platform: a virtual clock, scripted message boxes, an
// in-memory settings store and recorded sounds, media commands, files and
// links. `sleep` advances the clock and runs nothing; `yield` delivers the
// posted input and runs the timers that are due.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "headless/memory_history.h"
#include "platform/random.h"
#include "platform/services.h"

namespace quov {

class HeadlessLoop : public EventLoop {
 public:
  Scheduler& scheduler() override { return scheduler_; }
  const Scheduler& scheduler() const { return scheduler_; }
  void yield() override;
  void sleep(int ms) override;
  void endProgram() override { ended_ = true; }
  bool ended() const override { return ended_; }

  // Input delivered at the next yield, as a window system delivers a click
  // that arrived while a handler ran.
  void post(std::function<void()> event) { posted_.push_back(std::move(event)); }
  bool hasPosted() const { return !posted_.empty(); }
  // Runs the idle loop: delivers posted input, then ticks timers up to `until`.
  void runUntil(Millis until);

  Millis slept = 0;  // total blocking sleep so far
  std::function<void(int)> onSleep;  // observes every sleep (tests, tools)
  std::uint64_t yields = 0;

 private:
  bool ended_ = false;
  void deliverPosted();
  // Apart, so that a spin-down's thousands of unobserved frame sleeps
  // cost a few instructions each.
  [[gnu::cold, gnu::noinline]] void observeSleep(int ms);
  Scheduler scheduler_;
  std::deque<std::function<void()>> posted_;
};

class ScriptedMessages : public MessageBoxes {
 public:
  struct Shown {
    std::string text, title;
    MsgIcon icon;
    MsgButtons buttons;
    bool defaultNo;
  };
  MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                 MsgButtons buttons, bool defaultNo) override;
  // Answers given in order; without one, the default button is pressed.
  std::deque<MsgAnswer> answers;
  std::vector<Shown> shown;
};

class MemoryStore : public SettingsStore {
 public:
  using Key = std::tuple<std::string, std::string, std::string>;  // app, section, key
  using KeyView = std::tuple<std::string_view, std::string_view, std::string_view>;
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(const KeyView& k) const;
    std::size_t operator()(const Key& k) const { return (*this)(KeyView(k)); }
  };
  // Hashed, and looked up without copying the names: every idle tick asks
  // whether the records changed, and an autoplay press writes a few dozen keys.
  using Values = std::unordered_map<Key, std::string, KeyHash, std::equal_to<>>;

  std::string read(const std::string& app, const std::string& section,
                   const std::string& key) override;
  void write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;
  void flush() override { ++flushes; }
  SaveHealth health() const override { return saving; }
  bool failingNow() const override { return saving.failing; }
  bool has(const std::string& app, const std::string& section, const std::string& key) const;
  Values values;
  std::vector<std::string> writtenKeys;  // "app/section/key", in order
  int flushes = 0;
  bool recordWrites = true;
  SaveHealth saving;  // how saving goes, as the test has it go
};

class RecordedSound : public Sound {
 public:
  struct Played {
    int id;
    ClipMode mode;
    Millis at;
  };
  explicit RecordedSound(const Scheduler& clock) : clock_(clock) {}
  void playClip(int id, const Bytes* clip, ClipMode mode) override;
  void mediaCommand(const std::string& command) override;
  // Played clips (ids), in order; a Stop request records id 0.
  std::vector<int> ids() const;
  int count(int id) const;
  void clear() {
    played.clear();
    media.clear();
  }
  std::vector<Played> played;
  std::vector<std::string> media;
  bool recording = true;  // long soak runs switch the record off

 private:
  const Scheduler& clock_;
};

class FakeResources : public Resources {
 public:
  Bytes load(const std::string& type, const std::string& name) override;
  std::set<std::string> missing;  // names that do not exist
};

class MemoryFiles : public Files {
 public:
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool writeFile(const std::string& path, const Bytes& data) override;
  bool deleteFile(const std::string& path) override;
  std::set<std::string> folders;
  std::map<std::string, Bytes> files;
};

class RecordedLinks : public Links {
 public:
  bool connected() override { return online; }
  int open(const std::string& link, const std::string& action) override;
  int lastError() override { return 2; }
  // "file://" + the folder + "/" + name; nothing when the folder is empty.
  std::string shippedPage(const std::string& name) override;
  bool online = true;
  std::string shippedFolder = "/usr/share/doc/quov";
  int result = 42;
  std::vector<std::pair<std::string, std::string>> opened;
};

// A display of a fixed size that records every change of the pointer.
class FixedDisplay : public Display {
 public:
  int widthTwips() override { return width; }
  int heightTwips() override { return height; }
  void setPointer(PointerShape shape) override { pointers.push_back(shape); }
  int width = 1280 * 15, height = 1024 * 15;
  std::vector<PointerShape> pointers;
};

// Text rules without a locale library: a character is a code point with
// its combining marks, and capitals are those of the Latin, Greek and
// Cyrillic alphabets.
class PlainTextRules : public TextRules {
 public:
  std::string upper(const std::string& text) override;
  int length(const std::string& text) override;
};

// All of them together, with a scriptable random source over a seeded one.
struct HeadlessPlatform {
  explicit HeadlessPlatform(std::uint64_t seed) : generator(seed), random(generator) {}
  HeadlessLoop loop;
  ScriptedMessages messages;
  MemoryStore store;
  RecordedSound sound{loop.scheduler()};
  FakeResources resources;
  MemoryFiles files;
  RecordedLinks links;
  SeededRandom generator;
  ScriptedRandom random;
  MemoryHistory history{loop.scheduler()};
  FixedDisplay display;
  PlainTextRules text;
  Platform services{loop,  messages, store,  sound,   resources, files,
                    links, random,   history, display, text};
};

}  // namespace quov
