// The offer pop-up `popupquov`: it opens by itself after every 25th losing
// spin of normal play, in place of the main screen, and leads back to it.
#pragma once

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;

class PopupQuov {
 public:
  explicit PopupQuov(Quov& main);
  PopupQuov(const PopupQuov&) = delete;
  PopupQuov& operator=(const PopupQuov&) = delete;

  Screen screen;
  Element Picture1;    // the offer picture
  Element SSCommand2;  // RETURN TO GAME

  void Form_Load();  // shown in place of the main screen; the losing-spin count starts again
  void SSCommand2_click();
  // The window's close control. Closing would leave the player without any
  // window, so it returns to the game as RETURN TO GAME does.
  void Form_QueryUnload();

 private:
  void returnToGame();
  Quov& main_;
};

}  // namespace quov
