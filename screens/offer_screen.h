// The offer pop-up `popupquov`: it opens by itself after every 25th losing
// spin of normal play, in place of the main screen, and leads back to it.
// Its picture leads to why this game is played for pretend money: the page
// the build gave the game for it, or else the part of the help installed
// with the game that says so.
#pragma once

#include <string>

#include "platform/element.h"
#include "platform/screen.h"
#include "screens/url.h"

namespace quov {

class Quov;

class PopupQuov {
 public:
  PopupQuov(Quov& main, const url::ProjectLinks& links);
  PopupQuov(const PopupQuov&) = delete;
  PopupQuov& operator=(const PopupQuov&) = delete;

  Screen screen;
  Element Picture1;    // the offer picture
  Element SSCommand2;  // RETURN TO GAME

  // The help's part on pretend money, opened when the build gave no page.
  static constexpr const char* kPretendMoneySection = "pretend-money";
  // The message shown before the offer's web page opens.
  static std::string offerMessage();

  void Form_Load();  // shown in place of the main screen; the losing-spin count starts again
  bool IsWebConnected();
  void Picture1_click();
  void SSCommand2_click();
  // The window's close control. Closing would leave the player without any
  // window, so it returns to the game as RETURN TO GAME does.
  void Form_QueryUnload();

 private:
  void returnToGame();
  Quov& main_;
  const url::ProjectLinks& links_;
};

}  // namespace quov
