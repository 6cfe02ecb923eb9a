#include "desktop/screen_window.h"

#include <QCloseEvent>
#include <QWindow>

namespace quov {

ScreenWindow::ScreenWindow(Screen& screen, QWidget& window, QtEventLoop& loop)
    : screen_(screen), window_(window), loop_(loop) {
  window_.installEventFilter(this);
}

void ScreenWindow::sync() {
  if (!titled_ || screen_.caption != caption_) {
    caption_ = screen_.caption;
    titled_ = true;
    window_.setWindowTitle(QString::fromStdString(caption_));
  }
  if (window_.isEnabled() != screen_.enabled) window_.setEnabled(screen_.enabled);
  bool raise = screen_.raises != raises_;
  raises_ = screen_.raises;
  if (window_.isVisible() != screen_.visible) {
    if (screen_.visible) beforeShowing();
    window_.setVisible(screen_.visible);
    raise = raise || screen_.visible;
  }
  if (raise && window_.isVisible()) {
    window_.raise();
    window_.activateWindow();
  }
}

void ScreenWindow::beforeShowing() {
  if (owner_ && !window_.windowHandle()) {
    window_.winId();
    if (owner_->windowHandle()) window_.windowHandle()->setTransientParent(owner_->windowHandle());
  }
  if (centreOver_) {
    const QRect over = centreOver_->frameGeometry();
    window_.move(over.center() - QPoint(window_.width() / 2, window_.height() / 2));
  }
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || event->type() != QEvent::Close) return false;
  // A window the game hid itself closes without asking.
  if (!loop_.ended() && screen_.visible) {
    loop_.syncClock();
    screen_.closeRequest();
    loop_.afterHandler();
  }
  if (loop_.ended() || !screen_.visible)
    event->accept();
  else
    event->ignore();
  return true;
}

}  // namespace quov
