// One top-level window kept in step with a screen record, the same way for
// the cabinet and for every side screen: shown while the screen is visible,
// titled by its caption, taking input only while the screen is enabled,
// raised when the game brings the screen to the front. Its
// close control is the screen's close request, which the game answers; the
// window closes only when the game has ended or hidden the screen.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "desktop/qt_event_loop.h"
#include "platform/screen.h"

namespace quov {

class ScreenWindow : public QObject {
  Q_OBJECT
 public:
  ScreenWindow(Screen& screen, QWidget& window, QtEventLoop& loop);

  // The window stands centred over `w` whenever it shows, wherever the
  // screen would place it.
  void centreOver(QWidget* w) { centreOver_ = w; }
  bool centred() const { return centreOver_ != nullptr; }
  // The window stays above `owner` (it is a dialog of that window).
  void setOwner(QWidget* owner) { owner_ = owner; }

  // The window follows the screen's switches.
  void sync();
  Screen& screen() { return screen_; }
  QWidget& window() { return window_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void beforeShowing();
  Screen& screen_;
  QWidget& window_;
  QtEventLoop& loop_;
  std::string caption_;
  bool titled_ = false;
  std::uint64_t raises_ = 0;
  QPointer<QWidget> owner_, centreOver_;
};

}  // namespace quov
