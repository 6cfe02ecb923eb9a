// The whole machine, put together: the main screen's record, the sound, the
// engine, the presentation, the records and the side screens, with every
// timer bound to its handler, every button and key routed to its handler,
// and the hooks by which a lower part reaches a higher one installed. Both
// platforms build exactly this.
#pragma once

#include <memory>

#include "engine/engine.h"
#include "mainscreen/quov.h"
#include "records/history_meters.h"
#include "records/options_screen.h"
#include "screens/about_screen.h"
#include "screens/help_screen.h"
#include "screens/offer_screen.h"
#include "screens/pays_screen.h"
#include "screens/recall_screen.h"
#include "sound/sounds.h"

namespace quov {

class Paylines;
class LineFlash;
class RecordKeeper;
class Controls;
class Menu;
class ControlKeys;
class Announcer;
class Startup;
class GameRecorder;
class SaveNotice;

class Cabinet {
 public:
  Cabinet(Platform& platform, Modquov& module);
  ~Cabinet();
  Cabinet(const Cabinet&) = delete;
  Cabinet& operator=(const Cabinet&) = delete;

  Quov quov;
  Sounds sounds;
  Engine engine;
  // What the game history says of each player slot.
  HistoryMeters historyMeters;
  // The addresses the build gave the game (the about screen's and the
  // offer's links).
  url::ProjectLinks projectLinks;
  // The side screens.
  QuovOptions quovoptions;
  QuovPays quovpays;
  AboutQuov aboutquov;
  PopupQuov popupquov;
  QuovRecall quovrecall;
  QuovHelp quovhelp;

  Paylines& paylines() { return *paylines_; }
  LineFlash& lineFlash() { return *lineFlash_; }
  RecordKeeper& records() { return *records_; }
  Controls& controls() { return *controls_; }
  Menu& menu() { return *menu_; }
  SaveNotice& saveNotice() { return *saveNotice_; }
  ControlKeys& keys() { return *keys_; }
  const Announcer& announcer() const { return *announcer_; }
  Startup& startup() { return *startup_; }
  GameRecorder& recorder() { return *recorder_; }

 private:
  void bindTimers();
  void routeInput();
  void installHooks();
  std::unique_ptr<Paylines> paylines_;
  std::unique_ptr<LineFlash> lineFlash_;
  std::unique_ptr<GameRecorder> recorder_;
  std::unique_ptr<RecordKeeper> records_;
  std::unique_ptr<Controls> controls_;
  std::unique_ptr<Menu> menu_;
  std::unique_ptr<ControlKeys> keys_;
  std::unique_ptr<Announcer> announcer_;
  std::unique_ptr<Startup> startup_;
  std::unique_ptr<SaveNotice> saveNotice_;
};

}  // namespace quov
