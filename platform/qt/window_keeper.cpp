#include "platform/qt/window_keeper.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace quov {

namespace {

constexpr int kMaxFrame = 200;  // a frame side beyond this is not a frame

bool readInt(const QSettings& s, const char* key, int& out) {
  bool ok = false;
  out = s.value(QLatin1String(key)).toString().toInt(&ok);
  return ok;
}

}  // namespace

WindowKeeper::WindowKeeper(QWidget& window, QString filePath)
    : window_(window), path_(std::move(filePath)) {}

std::optional<WindowPlace> WindowKeeper::load() const {
  if (!QFileInfo::exists(path_)) return std::nullopt;
  const QSettings s(path_, QSettings::IniFormat);
  int x, y, w, h, fl, ft, fr, fb;
  if (!readInt(s, "window/x", x) || !readInt(s, "window/y", y) || !readInt(s, "window/width", w) ||
      !readInt(s, "window/height", h) || w <= 0 || h <= 0)
    return std::nullopt;
  WindowPlace place;
  place.client = QRect(x, y, w, h);
  place.frame = kFrameAllowance;
  if (readInt(s, "frame/left", fl) && readInt(s, "frame/top", ft) && readInt(s, "frame/right", fr) &&
      readInt(s, "frame/bottom", fb)) {
    const bool sane = std::min({fl, ft, fr, fb}) >= 0 && std::max({fl, ft, fr, fb}) <= kMaxFrame;
    if (sane) place.frame = QMargins(fl, ft, fr, fb);
  }
  place.fullScreen = s.value(QStringLiteral("window/fullScreen")).toString() == "true";
  return place;
}

void WindowKeeper::restore(QSize design) {
  const std::optional<WindowPlace> saved = load();
  if (saved) frame_ = saved->frame;
  const QScreen* screen = saved ? QGuiApplication::screenAt(saved->client.center()) : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  window_.setGeometry(openingPlace(saved, screen->availableGeometry(), design));
  if (saved && saved->fullScreen)
    window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
}

void WindowKeeper::save() {
  const Qt::WindowStates away = Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized;
  const bool normal = !(window_.windowState() & away);
  const QRect client = normal ? window_.geometry() : window_.normalGeometry();
  if (normal && window_.isVisible()) {
    const QRect outer = window_.frameGeometry();
    frame_ = QMargins(client.left() - outer.left(), client.top() - outer.top(),
                      outer.right() - client.right(), outer.bottom() - client.bottom());
  }
  if (client.width() <= 0 || client.height() <= 0) return;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSettings s(path_, QSettings::IniFormat);
  s.setValue(QStringLiteral("window/x"), client.x());
  s.setValue(QStringLiteral("window/y"), client.y());
  s.setValue(QStringLiteral("window/width"), client.width());
  s.setValue(QStringLiteral("window/height"), client.height());
  s.setValue(QStringLiteral("window/fullScreen"), window_.isFullScreen());
  s.setValue(QStringLiteral("frame/left"), frame_.left());
  s.setValue(QStringLiteral("frame/top"), frame_.top());
  s.setValue(QStringLiteral("frame/right"), frame_.right());
  s.setValue(QStringLiteral("frame/bottom"), frame_.bottom());
  s.sync();
}

}  // namespace quov
