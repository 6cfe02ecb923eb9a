// The services the game logic asks of its platform, each behind a small
// interface. The headless platform (tests, tools) and the desktop platform
// both implement every one of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/game_history.h"
#include "platform/save_health.h"
#include "platform/timer.h"

namespace quov {

using Bytes = std::vector<std::uint8_t>;

// The user-interface thread's event loop.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual Scheduler& scheduler() = 0;
  // Runs the pending events (input, due timer ticks) and returns.
  virtual void yield() = 0;
  // Blocks the thread: no event, tick or drawing is handled meanwhile.
  virtual void sleep(int ms) = 0;
  virtual void endProgram() = 0;
  // The program has begun to end: no game may start any more.
  virtual bool ended() const = 0;
};

enum class MsgIcon : std::uint8_t { None, Information, Critical, Error };
enum class MsgButtons : std::uint8_t { Ok, YesNo };
enum class MsgAnswer : std::uint8_t { Ok, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal; returns the button pressed. `defaultNo` makes No the default button.
  virtual MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                         MsgButtons buttons, bool defaultNo = false) = 0;
};

// Per-user store of text values by application, section and key. A key that
// does not exist reads as the empty text.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string read(const std::string& app, const std::string& section,
                           const std::string& key) = 0;
  virtual void write(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
  // Asks for what was written to be made durable. The desktop store only
  // hands it to its saving thread and returns at once; a failure shows in
  // `health`, and the store keeps trying.
  virtual void flush() {}
  // Cheap enough to poll on every tick.
  virtual SaveHealth health() const { return {}; }
  // Whether saving fails just now: what the ticker asks on every tick,
  // without copying the whole health.
  virtual bool failingNow() const { return health().failing; }
};

// Clip playback from memory and the media-command string interface.
enum class ClipMode : std::uint8_t { Play, Loop, Stop };

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts `clip` (a whole wave file in memory) asynchronously, replacing any
  // clip that plays; Stop silences the current clip. `id` is the resource
  // number the clip was loaded from, 0 for none.
  virtual void playClip(int id, const Bytes* clip, ClipMode mode) = 0;
  virtual void mediaCommand(const std::string& command) = 0;
};

class Resources {
 public:
  virtual ~Resources() = default;
  // The bytes of a program resource ("WAVE", "RESOURCE_ID_130"); empty when
  // the resource does not exist.
  virtual Bytes load(const std::string& type, const std::string& name) = 0;
};

class Files {
 public:
  virtual ~Files() = default;
  virtual bool createFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;
  virtual bool writeFile(const std::string& path, const Bytes& data) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
};

class Links {
 public:
  virtual ~Links() = default;
  virtual bool connected() = 0;
  // Opens a link in the default handler; returns 0 on failure.
  virtual int open(const std::string& link, const std::string& action) = 0;
  virtual int lastError() = 0;
  // A link to a page installed with the game ("help.html", "LICENSE") as a
  // local file; empty when the page is not there.
  virtual std::string shippedPage(const std::string& name) = 0;
};

// The display the windows stand on, and the pointer over them.
enum class PointerShape : std::uint8_t { Default, Busy };

class Display {
 public:
  virtual ~Display() = default;
  virtual int widthTwips() = 0;
  virtual int heightTwips() = 0;
  virtual void setPointer(PointerShape shape) = 0;
};

// Text as the player reads it (UTF-8): its capitals, and its length in the
// characters the player sees, however many bytes or code points make each.
class TextRules {
 public:
  virtual ~TextRules() = default;
  virtual std::string upper(const std::string& text) = 0;
  virtual int length(const std::string& text) = 0;
};

// Uniform draws over 1..n, unbiased.
class Random {
 public:
  virtual ~Random() = default;
  virtual int draw(int n) = 0;
};

// Everything a machine needs from its platform, gathered.
struct Platform {
  EventLoop& loop;
  MessageBoxes& messages;
  SettingsStore& store;
  Sound& sound;
  Resources& resources;
  Files& files;
  Links& links;
  Random& random;
  GameHistory& history;
  Display& display;
  TextRules& text;
};

}  // namespace quov
