#include "screens/about_screen.h"

#include "mainscreen/quov.h"
#include "screens/project.h"
#include "screens/url.h"

namespace quov {

namespace {
constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }
}  // namespace

AboutQuov::AboutQuov(Quov& main) : main_(main) {
  Screen& s = screen;
  s.name = "aboutquov";
  s.caption = "about quov";
  s.width = px(440);
  s.height = px(352);
  using K = ElementKind;
  s.add(lblTitle, "lblTitle", K::Label, px(20), px(14), px(400), px(40)).caption =
      "QUOV Video Slots";
  s.add(Picture6, "Picture6", K::Picture, px(24), px(70), px(120), px(150));
  s.add(lblversion, "lblversion", K::Label, px(164), px(66), px(256), px(48)).caption =
      std::string("Version ") + project::kVersion + ", for pretend money only\nFree software: " +
      project::kLicence;
  s.add(Label2, "Label2", K::Label, px(164), px(124), px(256), px(22)).caption =
      "See More Slots At :-";
  s.add(cmdbrelk, "cmdbrelk", K::CommandButton, px(164), px(148), px(150), px(30));
  cmdbrelk.caption = "Brelk-Slots";
  cmdbrelk.toolTip = "To my web site and more slots to choose from.";
  s.add(lblfeedback, "lblfeedback", K::Label, px(164), px(190), px(256), px(22)).caption =
      " Feedback ? Please email me ";
  s.add(cmdfeedback, "cmdfeedback", K::CommandButton, px(164), px(214), px(150), px(30));
  cmdfeedback.caption = "Email Me";
  cmdfeedback.toolTip = "If you want to make a comment do it here.";
  s.add(Btnxit, "Btnxit", K::PictureButton, px(110), px(278), px(220), px(48));

  InputRoutes& r = s.routes;
  r[cmdbrelk].click = [this] { cmdbrelk_click(); };
  r[cmdfeedback].click = [this] { cmdfeedback_click(); };
  r[Btnxit].click = [this] { Btnxit_click(); };
  r.activate = [this] { Form_Activate(); };
  r.closeRequest = [this] { Form_QueryUnload(); };
}

void AboutQuov::Form_Load() {
  screen.visible = true;
  screen.setFocus(Btnxit);  // Enter leads back to the game
}

void AboutQuov::Form_Activate() {
  screen.left = (main_.p.display.widthTwips() - screen.width) / 2;
  screen.top = (main_.p.display.heightTwips() - screen.height) / 2;
}

bool AboutQuov::IsWebConnected() { return url::webConnected(main_.p); }

void AboutQuov::cmdbrelk_click() {
  if (IsWebConnected())
    main_.p.links.open(project::kHomePage, "open");
  else
    url::tellNotConnected(main_);
}

void AboutQuov::cmdfeedback_click() {
  const std::string link = url::feedbackLink();
  if (IsWebConnected())
    main_.p.links.open(link, "Open");
  else
    url::tellNotConnected(main_);
}

void AboutQuov::Btnxit_click() {
  screen.visible = false;
  main_.screen.bringToFront();
}

void AboutQuov::Form_QueryUnload() { screen.visible = false; }

}  // namespace quov
