// The about screen `aboutquov`, opened from the menu panel beside the
// cabinet, which stays in play: the game's title, version and licence, the
// help and the licence installed with the game, and two links, to the web
// site and to a feedback mail, each only when the build gave the game that
// address (otherwise the control says there is none).
#pragma once

#include <string>

#include "platform/element.h"
#include "platform/screen.h"
#include "screens/url.h"

namespace quov {

class Quov;

class AboutQuov {
 public:
  AboutQuov(Quov& main, const url::ProjectLinks& links);
  AboutQuov(const AboutQuov&) = delete;
  AboutQuov& operator=(const AboutQuov&) = delete;

  Screen screen;
  Element lblTitle, Picture6, lblversion, Label2, cmdbrelk, lblfeedback, cmdfeedback, Btnxit;
  Element lblshipped, cmdhelp, cmdlicence;  // the pages installed with the game

  // What the web-site and feedback controls say when the build gave no address.
  static constexpr const char* kNoHomePage = "This copy of quov was built without a web site.";
  static constexpr const char* kNoFeedbackAddress =
      "This copy of quov was built without a feedback address.";

  void Form_Load();
  void Form_Activate();  // centred on the display
  bool IsWebConnected();
  void cmdbrelk_click();
  void cmdfeedback_click();
  void cmdhelp_click();
  void cmdlicence_click();
  void Btnxit_click();
  void Form_QueryUnload();  // the window's close control

 private:
  void tellNoAddress(const char* text);
  Quov& main_;
  const url::ProjectLinks& links_;
};

}  // namespace quov
