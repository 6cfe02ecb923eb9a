#include "platform/qt/desktop_machine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <stdexcept>

#include "cabinet/startup.h"

namespace quov {

DesktopMachine::DesktopMachine(QString settingsFolder) : store(std::move(settingsFolder)) {
  messages.setParent(&canvas);
  display.setAnchor(&canvas);
  cabinetWindow_ = std::make_unique<ScreenWindow>(quov.screen, canvas, loop);
  // The options, the pay table and the about screen stay above the cabinet.
  for (Screen* s : {&cabinet.quovoptions.screen, &cabinet.quovpays.screen,
                    &cabinet.aboutquov.screen})
    addForm(*s).setOwner(&canvas);
  // The offer shows in the cabinet's place.
  addForm(cabinet.popupquov.screen).centreOver(&canvas);
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

ScreenForm& DesktopMachine::addForm(Screen& screen) {
  forms_.push_back(std::make_unique<ScreenForm>(screen, loop, display));
  return *forms_.back();
}

ScreenForm& DesktopMachine::form(const Screen& screen) {
  for (auto& f : forms_)
    if (&f->screen() == &screen) return *f;
  throw std::logic_error("no window for the screen " + screen.name);
}

void DesktopMachine::syncWindows() {
  if (loop.ended()) return;
  cabinetWindow_->sync();
  for (auto& f : forms_) f->sync();
  canvas.refresh();
}

}  // namespace quov
