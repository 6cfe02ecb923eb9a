// The help screen `quovhelp`: how to play, the keys, what the payout
// settings mean, that the money is pretend money and where the records and
// the history are kept. The page is the help shipped with the game
// (help.html, the same file installed beside it), shown by the platform.
// F1 and HELP on the menu panel open it; the cabinet stays in play beside
// it, as beside the about screen.
#pragma once

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;

class QuovHelp {
 public:
  explicit QuovHelp(Quov& main);
  QuovHelp(const QuovHelp&) = delete;
  QuovHelp& operator=(const QuovHelp&) = delete;

  Screen screen;
  Element helppage;       // the page, scrolled with the keyboard or the wheel
  Element btnhelpreturn;  // RETURN TO GAME

  void Form_Load();  // shown in front, with the keyboard on the page
  void btnhelpreturn_click();
  void Form_QueryUnload();  // the window's close control and Escape, as RETURN TO GAME

 private:
  Quov& main_;
};

}  // namespace quov
