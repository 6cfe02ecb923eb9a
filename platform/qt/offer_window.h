// The offer pop-up's window: the offer picture and a button that returns the
// player to the game.
#pragma once

#include <QWidget>
#include <functional>

namespace quov {

class OfferWindow : public QWidget {
  Q_OBJECT
 public:
  explicit OfferWindow(std::function<void()> onReturn);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::function<void()> onReturn_;
};

}  // namespace quov
