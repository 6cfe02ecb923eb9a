#include "screens/help_screen.h"

#include "mainscreen/quov.h"
#include "screens/url.h"

namespace quov {

namespace {
constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }
}  // namespace

QuovHelp::QuovHelp(Quov& main) : main_(main) {
  screen.name = "quovhelp";
  screen.caption = "quov help";
  screen.width = px(620);
  screen.height = px(540);
  screen.add(helppage, "helppage", ElementKind::Page, px(16), px(16), px(588), px(446));
  helppage.caption = url::kHelpPage;
  screen.add(btnhelpreturn, "btnhelpreturn", ElementKind::PictureButton, px(200), px(476), px(220),
             px(48));
  screen.routes[btnhelpreturn].click = [this] { btnhelpreturn_click(); };
  screen.routes.closeRequest = [this] { Form_QueryUnload(); };
  screen.cancel = &btnhelpreturn;  // Escape returns to the game
}

void QuovHelp::Form_Load() {
  screen.bringToFront();
  screen.setFocus(helppage);
}

void QuovHelp::btnhelpreturn_click() {
  screen.visible = false;
  main_.screen.bringToFront();
}

void QuovHelp::Form_QueryUnload() { btnhelpreturn_click(); }

}  // namespace quov
