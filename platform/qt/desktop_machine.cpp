#include "platform/qt/desktop_machine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "cabinet/startup.h"

namespace quov {

DesktopMachine::DesktopMachine(QString settingsFolder, QString historyPath)
    : store(settingsFolder),
      history(std::move(historyPath)),
      windowKeeper(canvas, settingsFolder + QStringLiteral("/window.ini")),
      offer_([this] {
        loop.syncClock();
        cabinet.popupquov.screen.click(cabinet.popupquov.SSCommand2);
        loop.afterHandler();
      }) {
  messages.setParent(&canvas);
  windows_.push_back(std::make_unique<ScreenWindow>(quov.screen, canvas, loop));
  windows_.push_back(std::make_unique<ScreenWindow>(cabinet.popupquov.screen, offer_, loop));
  windows_.push_back(
      std::make_unique<ScreenWindow>(cabinet.quovrecall.screen, recallCanvas, loop));
  loop.onChange = [this] { syncWindows(); };
  loop.onRepaint = [this] {
    followLineFlashing();
    canvas.paintNow();
  };
  loop.onEnd = [this] {
    windowKeeper.save();
    store.flush();
  };
}

DesktopMachine::~DesktopMachine() { store.flush(); }

void DesktopMachine::start() {
  cabinet.sounds.musicFolder =
      QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString() +
      "/brelk-video-slots";
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

void DesktopMachine::syncWindows() {
  if (loop.ended()) return;
  for (auto& w : windows_) w->sync();
  followLineFlashing();
  canvas.refresh();
  recallCanvas.refresh();
}

void DesktopMachine::followLineFlashing() { canvas.setLinesRaised(quov.tmrlineflash.enabled()); }

}  // namespace quov
