// The about screen `aboutquov`, opened from the menu panel beside the
// cabinet, which stays in play: the game's title, version and licence, and
// two links, to the project's home page and to a feedback mail.
#pragma once

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;

class AboutQuov {
 public:
  explicit AboutQuov(Quov& main);
  AboutQuov(const AboutQuov&) = delete;
  AboutQuov& operator=(const AboutQuov&) = delete;

  Screen screen;
  Element lblTitle, Picture6, lblversion, Label2, cmdbrelk, lblfeedback, cmdfeedback, Btnxit;

  void Form_Load();
  void Form_Activate();  // centred on the display
  bool IsWebConnected();
  void cmdbrelk_click();
  void cmdfeedback_click();
  void Btnxit_click();
  void Form_QueryUnload();  // the window's close control

 private:
  Quov& main_;
};

}  // namespace quov
