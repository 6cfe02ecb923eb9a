#include "screens/about_screen.h"

#include "mainscreen/quov.h"
#include "screens/project.h"

namespace quov {

namespace {
constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }
}  // namespace

AboutQuov::AboutQuov(Quov& main, const url::ProjectLinks& links) : main_(main), links_(links) {
  Screen& s = screen;
  s.name = "aboutquov";
  s.caption = "about quov";
  s.width = px(440);
  s.height = px(392);
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
  s.add(lblfeedback, "lblfeedback", K::Label, px(164), px(190), px(256), px(22)).caption =
      " Feedback ? Please email me ";
  s.add(cmdfeedback, "cmdfeedback", K::CommandButton, px(164), px(214), px(150), px(30));
  cmdfeedback.caption = "Email Me";
  s.add(lblshipped, "lblshipped", K::Label, px(164), px(252), px(256), px(22)).caption =
      " Came with the game :-";
  s.add(cmdhelp, "cmdhelp", K::CommandButton, px(164), px(276), px(120), px(30)).caption = "Help";
  cmdhelp.toolTip = "How to play, the keys and where your records are kept, in your browser.";
  s.add(cmdlicence, "cmdlicence", K::CommandButton, px(294), px(276), px(120), px(30)).caption =
      "Licence";
  cmdlicence.toolTip = std::string("The licence quov is shared under: ") + project::kLicence + ".";
  s.add(Btnxit, "Btnxit", K::PictureButton, px(110), px(326), px(220), px(48));
  s.cancel = &Btnxit;  // Escape leads back to the game

  InputRoutes& r = s.routes;
  r[cmdbrelk].click = [this] { cmdbrelk_click(); };
  r[cmdfeedback].click = [this] { cmdfeedback_click(); };
  r[cmdhelp].click = [this] { cmdhelp_click(); };
  r[cmdlicence].click = [this] { cmdlicence_click(); };
  r[Btnxit].click = [this] { Btnxit_click(); };
  r.activate = [this] { Form_Activate(); };
  r.closeRequest = [this] { Form_QueryUnload(); };
}

void AboutQuov::Form_Load() {
  screen.visible = true;
  // Each link control says where it leads, or that the build gave it nowhere.
  cmdbrelk.setToolTip(links_.homePage.empty() ? kNoHomePage
                                              : "To my web site and more slots to choose from.");
  cmdfeedback.setToolTip(links_.feedbackAddress.empty()
                             ? kNoFeedbackAddress
                             : "If you want to make a comment do it here.");
  screen.setFocus(Btnxit);  // Enter leads back to the game
}

void AboutQuov::Form_Activate() {
  screen.left = (main_.p.display.widthTwips() - screen.width) / 2;
  screen.top = (main_.p.display.heightTwips() - screen.height) / 2;
}

bool AboutQuov::IsWebConnected() { return url::webConnected(main_.p); }

void AboutQuov::tellNoAddress(const char* text) {
  main_.p.messages.show(text, screen.caption, MsgIcon::Information, MsgButtons::Ok);
}

void AboutQuov::cmdbrelk_click() {
  if (links_.homePage.empty())
    tellNoAddress(kNoHomePage);
  else if (IsWebConnected())
    main_.p.links.open(links_.homePage, "open");
  else
    url::tellNotConnected(main_);
}

void AboutQuov::cmdfeedback_click() {
  if (links_.feedbackAddress.empty()) {
    tellNoAddress(kNoFeedbackAddress);
    return;
  }
  const std::string link = url::feedbackLink(links_.feedbackAddress);
  if (IsWebConnected())
    main_.p.links.open(link, "Open");
  else
    url::tellNotConnected(main_);
}

void AboutQuov::cmdhelp_click() { url::openShippedPage(main_.p, url::kHelpPage); }

void AboutQuov::cmdlicence_click() { url::openShippedPage(main_.p, url::kLicencePage); }

void AboutQuov::Btnxit_click() {
  screen.visible = false;
  main_.screen.bringToFront();
}

void AboutQuov::Form_QueryUnload() { screen.visible = false; }

}  // namespace quov
