// The offer pop-up: a small window with the offer picture and a button that
// returns the player to the game.
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
  void closeEvent(QCloseEvent*) override;

 private:
  std::function<void()> onReturn_;
};

}  // namespace quov
