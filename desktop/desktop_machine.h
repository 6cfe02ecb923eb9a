// The whole desktop game: the Qt services, the machine put together on them,
// and one window per screen, kept in step after every handler and tick
// (which window shows, its caption, whether it takes input, what needs
// drawing). The cabinet is painted and opens where the player left it; each
// side screen is a window of real widgets. F1 opens the help from any of
// them. The end of the session (a signal, the session manager's quit) is a
// close request.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "cabinet/cabinet.h"
#include "desktop/canvas.h"
#include "desktop/loaded_sound.h"
#include "desktop/qt_display.h"
#include "desktop/qt_event_loop.h"
#include "desktop/qt_links.h"
#include "desktop/qt_messages.h"
#include "desktop/qt_resources.h"
#include "desktop/qt_settings_store.h"
#include "desktop/qt_text_rules.h"
#include "desktop/screen_form.h"
#include "desktop/screen_window.h"
#include "desktop/session_end.h"
#include "desktop/sqlite_history.h"
#include "desktop/statistics_window.h"
#include "desktop/std_files.h"
#include "desktop/window_keeper.h"
#include "mainscreen/modquov.h"
#include "platform/random.h"

namespace quov {

class DesktopMachine {
  // Caught before anything is opened: a session that ends while the game is
  // still starting ends it through its shut-down too, once the loop runs.
  SessionEnd sessionEnd_{[this] { requestClose(); }};

 public:
  // The store's files live in `settingsFolder` and the game history in
  // `historyPath` (by default the user's).
  explicit DesktopMachine(QString settingsFolder = QtSettingsStore::defaultFolder(),
                          QString historyPath = SqliteHistory::defaultPath());
  ~DesktopMachine();

  // Runs the load handler and shows the window.
  void start();
  // Brings the windows in line with the screens' switches.
  void syncWindows();
  // The close request a session's end makes: the machine's own shut-down.
  void requestClose();
  // After the event loop has returned: the records once more, now that the
  // handler a shut-down may have interrupted has finished, and the wait
  // for the saving thread.
  void finish();

  QtEventLoop loop;
  QtMessages messages{loop};
  QtSettingsStore store;
  LoadedSound sound{QUOV_SOUNDFONT, cacheFolder().toStdString()};
  QtResources resources;
  StdFiles files{cacheFolder().toStdString()};
  QtLinks links;
  // One generator seeded from a true random source; tests put forced draws
  // in front of it.
  SeededRandom generator;
  ScriptedRandom random{generator};
  SqliteHistory history;
  QtDisplay display;
  QtTextRules text;
  Platform services{loop,  messages, store,  sound,   resources, files,
                    links, random,   history, display, text};
  Modquov mod;
  Cabinet cabinet{services, mod};
  Quov& quov = cabinet.quov;
  Canvas canvas{quov.screen, loop};
  Canvas recallCanvas{cabinet.quovrecall.screen, loop};  // the last games' recall
  // The window's place, size and full-screen state, beside the records.
  WindowKeeper windowKeeper;

  // The window of a side screen, made now if it has not been yet.
  ScreenForm& form(const Screen& screen);

  // The charts of a slot's return, opened from the options screen; made
  // the first time they are asked for, so the start waits for nothing.
  StatisticsWindow& statistics();

  // The user's cache folder, where the tune is written; empty for none.
  static QString cacheFolder();

 private:
  // A side screen's window is made the first time its screen shows (or a
  // caller asks for it): a start builds only the cabinet.
  struct SideWindow {
    Screen* screen = nullptr;
    bool owned = false;    // stays above the cabinet
    bool centred = false;  // opens over the cabinet's middle
    std::unique_ptr<ScreenForm> form;
  };
  void addSideWindow(Screen& screen, bool owned, bool centred);
  ScreenForm& made(SideWindow& side);
  // F1 in `window` opens the help.
  void addHelpKey(QWidget& window);
  // Winning lines lie over the symbols while they flash.
  void followLineFlashing();
  std::vector<std::unique_ptr<ScreenWindow>> windows_;  // the painted ones: cabinet, recall
  std::vector<SideWindow> sides_;
  std::unique_ptr<StatisticsWindow> statistics_;
};

}  // namespace quov
