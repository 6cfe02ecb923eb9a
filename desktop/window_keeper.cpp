#include "desktop/window_keeper.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "desktop/files/safe_files.h"
#include "desktop/ini_text.h"

namespace quov {

namespace {

constexpr int kMaxFrame = 200;  // a frame side beyond this is not a frame

constexpr qint64 kMaxFileBytes = 64 * 1024;

bool readInt(const IniValues& s, const char* key, int& out) {
  bool ok = false;
  out = s.value(QLatin1String(key)).toString().toInt(&ok);
  return ok;
}

}  // namespace

WindowKeeper::WindowKeeper(QWidget& window, QString filePath)
    : window_(window), path_(std::move(filePath)) {}

std::optional<WindowPlace> WindowKeeper::load() const {
  // Read as the records are: a pipe or a device in the file's place is
  // refused, never opened.
  const FileRead file = readRegularFile(path_, kMaxFileBytes);
  IniValues s;
  QString error;
  if (file.outcome != FileRead::Outcome::Read || !parseIni(file.bytes, s, error))
    return std::nullopt;
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
  if (path_.isEmpty() || client.width() <= 0 || client.height() <= 0) return;
  IniValues s;
  s.insert(QStringLiteral("window/x"), client.x());
  s.insert(QStringLiteral("window/y"), client.y());
  s.insert(QStringLiteral("window/width"), client.width());
  s.insert(QStringLiteral("window/height"), client.height());
  s.insert(QStringLiteral("window/fullScreen"), window_.isFullScreen());
  s.insert(QStringLiteral("frame/left"), frame_.left());
  s.insert(QStringLiteral("frame/top"), frame_.top());
  s.insert(QStringLiteral("frame/right"), frame_.right());
  s.insert(QStringLiteral("frame/bottom"), frame_.bottom());
  // Written whole and renamed into place: no lock to wait for at exit, and
  // a link planted under the name is replaced, not written through.
  const QFileInfo file(path_);
  if (!QDir().mkpath(file.absolutePath()) ||
      !replaceFile(file.absolutePath(), file.fileName(), formatIni(s), false).isEmpty())
    qWarning("quov: the window's place cannot be kept in %s", qUtf8Printable(path_));
}

}  // namespace quov
