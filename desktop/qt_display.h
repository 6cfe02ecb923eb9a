// The display the cabinet stands on: the size of its area left free by the
// desktop's panels, for centring a screen, where that area begins among
// several displays, and the pointer's shape.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "platform/services.h"

namespace quov {

class QtDisplay : public Display {
 public:
  // The display is the one `anchor` stands on (the primary one without it).
  void setAnchor(QWidget* anchor) { anchor_ = anchor; }
  int widthTwips() override;
  int heightTwips() override;
  // The busy pointer shows over every window of the game until the default
  // shape is asked for again.
  void setPointer(PointerShape shape) override;
  // The display's top-left corner on the desktop, in pixels.
  QPoint origin() const;
  bool busy() const { return busy_; }

 private:
  QSize size() const;
  QPointer<QWidget> anchor_;
  bool busy_ = false;
};

}  // namespace quov
