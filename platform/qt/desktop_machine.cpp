#include "platform/qt/desktop_machine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>

#include "platform/qt/user_folders.h"
#include "records/player_records.h"

namespace quov {

DesktopMachine::DesktopMachine(QString settingsFolder) : store(std::move(settingsFolder)) {
  messages.setParent(&canvas);
  offer_ = std::make_unique<OfferWindow>([this] { returnToGame(); });
  loop.onChange = [this] { syncWindows(); };
  loop.onRepaint = [this] { canvas.paintNow(); };
  loop.onEnd = [this] { store.flush(); };
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
  if (!loop.ended()) canvas.close();
}

void DesktopMachine::finish() {
  requestClose();
  exitSave(store, mod);
  store.waitSaved();
}

void DesktopMachine::start() {
  // Without a cache folder no tune is written (the files refuse every
  // path) and the free spins play without music.
  const QString cache = cacheFolder();
  quov.musicFolder = cache.isEmpty() ? std::string() : cache.toStdString() + "/brelk-video-slots";
  loop.syncClock();
  quov.Form_Load();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QSize px = s->size();
    quov.Form_Activate(px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel);
    canvas.move(quov.screen.left / kTwipsPerPixel, quov.screen.top / kTwipsPerPixel);
  }
  loop.afterHandler();
}

void DesktopMachine::syncWindows() {
  if (loop.ended()) return;
  if (quov.screen.caption != caption_) {
    caption_ = quov.screen.caption;
    canvas.setWindowTitle(QString::fromStdString(caption_));
  }
  if (quov.screen.visible != canvas.isVisible()) canvas.setVisible(quov.screen.visible);
  if (quov.popupquov.visible != offer_->isVisible()) {
    offer_->setWindowTitle(QString::fromStdString(quov.popupquov.caption));
    offer_->setVisible(quov.popupquov.visible);
  }
  canvas.refresh();
}

void DesktopMachine::returnToGame() {
  quov.popupquov.visible = false;
  quov.screen.visible = true;
  syncWindows();
  canvas.activateWindow();
}

}  // namespace quov
