#include "desktop/desktop_machine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QSessionManager>
#include <QStandardPaths>
#include <stdexcept>

#include "cabinet/announcer.h"
#include "cabinet/screen_reading.h"
#include "cabinet/startup.h"
#include "desktop/user_folders.h"
#include "records/record_keeper.h"

namespace quov {

DesktopMachine::DesktopMachine(QString settingsFolder, QString historyPath)
    : store(settingsFolder),
      history(std::move(historyPath)),
      // Without a folder for the records there is none for the window.
      windowKeeper(canvas, settingsFolder.isEmpty()
                               ? QString()
                               : settingsFolder + QStringLiteral("/window.ini")) {
  messages.setParent(&canvas);
  display.setAnchor(&canvas);
  windows_.push_back(std::make_unique<ScreenWindow>(quov.screen, canvas, loop));
  // The recall stands over the cabinet it holds up.
  auto& recall = *windows_.emplace_back(
      std::make_unique<ScreenWindow>(cabinet.quovrecall.screen, recallCanvas, loop));
  recall.setOwner(&canvas);
  recall.centreOver(&canvas);
  // The options, the pay table and the about screen stay above the cabinet.
  for (Screen* s : {&cabinet.quovoptions.screen, &cabinet.quovpays.screen,
                    &cabinet.aboutquov.screen})
    addSideWindow(*s, true, false);
  // The offer shows in the cabinet's place; the help over it.
  addSideWindow(cabinet.popupquov.screen, false, true);
  addSideWindow(cabinet.quovhelp.screen, true, true);
  // F1 opens the help from any of the game's windows, the cabinet's too
  // while a side screen holds it up.
  addHelpKey(canvas);
  addHelpKey(recallCanvas);
  cabinet.quovoptions.chartsWanted = [this](int slot, int machinepay) {
    statistics().showSlot(slot, machinepay);
  };
  // What a screen reader hears of the cabinet beyond its buttons.
  canvas.setWords({[this] { return meterReadings(quov); }, [this] { return reelsReading(quov); },
                   [this] {
                     const Announcer& a = cabinet.announcer();
                     return std::pair{a.count(), a.latest()};
                   }});
  loop.onChange = [this] { syncWindows(); };
  loop.onRepaint = [this] {
    followLineFlashing();
    canvas.paintNow();
  };
  loop.onEnd = [this] {
    windowKeeper.save();
    store.flush();
  };
  // Logging out may still be cancelled: the records go to the disk, the
  // game plays on. The session manager's quit then ends the event loop.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &canvas,
                   [this](QSessionManager&) {
                     store.flush();
                     store.waitSaved();
                   });
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &canvas, [this] { finish(); });
}

DesktopMachine::~DesktopMachine() { store.flush(); }

QString DesktopMachine::cacheFolder() {
  return userFolder(QStandardPaths::CacheLocation, "XDG_CACHE_HOME");
}

void DesktopMachine::requestClose() {
  // The game's own shut-down, whatever shows: the cabinet may be hidden
  // behind the offer, or a box may hold the thread in its own loop (the
  // shut-down ends that loop too).
  if (loop.ended()) return;
  loop.syncClock();
  cabinet.startup().Form_QueryUnload();
  loop.afterHandler();
}

void DesktopMachine::finish() {
  requestClose();
  // What the history could not write by now is missed, and counted in the
  // records saved next.
  history.finishWriting();
  cabinet.records().saveAtExit();
  store.waitSaved();
}

void DesktopMachine::start() {
  // Without a cache folder no tune is written (the files refuse every
  // path) and the free spins play without music.
  const QString cache = cacheFolder();
  cabinet.sounds.musicFolder =
      cache.isEmpty() ? std::string() : cache.toStdString() + "/brelk-video-slots";
  windowKeeper.restore(canvas.sizeHint());
  loop.syncClock();
  cabinet.startup().Form_Load();
  // The game centres its design screen on the display; the window itself
  // opens where the keeper put it, which fits any screen and scale.
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QSize px = s->availableGeometry().size();
    cabinet.startup().Form_Activate(px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel);
  }
  loop.afterHandler();
}

StatisticsWindow& DesktopMachine::statistics() {
  if (!statistics_) {
    statistics_ = std::make_unique<StatisticsWindow>(history);
    addHelpKey(*statistics_);
  }
  return *statistics_;
}

void DesktopMachine::addHelpKey(QWidget& window) {
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  QObject::connect(helpKey, &QShortcut::activated, &window, [this] {
    if (loop.ended()) return;
    loop.syncClock();
    cabinet.quovhelp.Form_Load();
    loop.afterHandler();
  });
}

void DesktopMachine::addSideWindow(Screen& screen, bool owned, bool centred) {
  sides_.push_back(SideWindow{&screen, owned, centred, nullptr});
}

ScreenForm& DesktopMachine::made(SideWindow& side) {
  if (!side.form) {
    side.form = std::make_unique<ScreenForm>(*side.screen, loop, display);
    if (side.owned) side.form->setOwner(&canvas);
    if (side.centred) side.form->centreOver(&canvas);
    addHelpKey(*side.form);
  }
  return *side.form;
}

ScreenForm& DesktopMachine::form(const Screen& screen) {
  for (SideWindow& side : sides_)
    if (side.screen == &screen) return made(side);
  throw std::logic_error("no window for the screen " + screen.name);
}

void DesktopMachine::syncWindows() {
  if (loop.ended()) return;
  for (auto& w : windows_) w->sync();
  for (SideWindow& side : sides_)
    if (side.form || side.screen->visible) made(side).sync();
  followLineFlashing();
  canvas.refresh();
  recallCanvas.refresh();
}

void DesktopMachine::followLineFlashing() { canvas.setLinesRaised(quov.tmrlineflash.enabled()); }

}  // namespace quov
