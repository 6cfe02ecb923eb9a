#include "platform/qt/desktop_machine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "cabinet/startup.h"

namespace quov {

DesktopMachine::DesktopMachine(QString settingsFolder)
    : store(std::move(settingsFolder)),
      offer_([this] {
        loop.syncClock();
        cabinet.popupquov.screen.click(cabinet.popupquov.SSCommand2);
        loop.afterHandler();
      }) {
  messages.setParent(&canvas);
  windows_.push_back(std::make_unique<ScreenWindow>(quov.screen, canvas, loop));
  windows_.push_back(std::make_unique<ScreenWindow>(cabinet.popupquov.screen, offer_, loop));
  loop.onChange = [this] { syncWindows(); };
  loop.onRepaint = [this] { canvas.paintNow(); };
  loop.onEnd = [this] { store.flush(); };
}

DesktopMachine::~DesktopMachine() { store.flush(); }

void DesktopMachine::start() {
  cabinet.sounds.musicFolder =
      QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString() +
      "/brelk-video-slots";
  loop.syncClock();
  cabinet.startup().Form_Load();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QSize px = s->size();
    cabinet.startup().Form_Activate(px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel);
    canvas.move(quov.screen.left / kTwipsPerPixel, quov.screen.top / kTwipsPerPixel);
  }
  loop.afterHandler();
}

void DesktopMachine::syncWindows() {
  if (loop.ended()) return;
  for (auto& w : windows_) w->sync();
  canvas.refresh();
}

}  // namespace quov
