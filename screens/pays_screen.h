// The pay-table screen `quovpays`, opened from the menu panel: one picture
// of the pays, the wild's and the scatter's rules and the free-spin awards,
// and an EXIT button. The main screen takes no input while it is open.
#pragma once

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;

class QuovPays {
 public:
  explicit QuovPays(Quov& main);
  QuovPays(const QuovPays&) = delete;
  QuovPays& operator=(const QuovPays&) = delete;

  Screen screen;
  Element btnunloadpays;  // EXIT

  void Form_Load();      // each opening: shown, centred on the display
  void Form_Activate();  // centred again whenever it becomes the active window
  // Centres any screen on the display, unless it is minimised or maximised.
  void CenterForm(Screen& s);
  void btnunloadpays_click();
  void Form_QueryUnload();  // the window's close control

 private:
  void unload();
  Quov& main_;
};

}  // namespace quov
