// Modal message boxes; no timer ticks while one is open.
#pragma once

#include <QWidget>
#include <QPointer>

#include "desktop/qt_event_loop.h"
#include "platform/services.h"

namespace quov {

class QtMessages : public MessageBoxes {
 public:
  explicit QtMessages(QtEventLoop& loop) : loop_(loop) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                 MsgButtons buttons, bool defaultNo) override;

 private:
  QtEventLoop& loop_;
  QPointer<QWidget> parent_;
};

}  // namespace quov
