#include "screens/offer_screen.h"

#include "mainscreen/quov.h"
#include "screens/project.h"

namespace quov {

namespace {
constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }
}  // namespace

PopupQuov::PopupQuov(Quov& main, const url::ProjectLinks& links) : main_(main), links_(links) {
  screen.name = "popupquov";
  screen.caption = "Play for Real Money ";
  screen.width = px(500);
  screen.height = px(510);
  screen.add(Picture1, "Picture1", ElementKind::Picture, 0, 0, px(500), px(450));
  screen.add(SSCommand2, "SSCommand2", ElementKind::PictureButton, px(140), px(458), px(220),
             px(44));
  screen.routes[Picture1].click = [this] { Picture1_click(); };
  screen.routes[SSCommand2].click = [this] { SSCommand2_click(); };
  screen.routes.closeRequest = [this] { Form_QueryUnload(); };
  screen.cancel = &SSCommand2;  // Escape leads back to the game
}

std::string PopupQuov::offerMessage() {
  return std::string(project::kPretendMoneyName) + "\r" +
         " Please be Patient as this may take a little time !! " +
         "You are being taken via Brelk-Slots to a secure web site that encrypts " +
         "all transmitted  data according to the secure HTTPS protocol." + "\r" +
         "Security that is provided by an SSL certificate protects sensitive information "
         "entered into that site as it travels from the site to a server." +
         "\r";
}

void PopupQuov::Form_Load() {
  main_.m.popupcount = 0;
  screen.visible = true;
  screen.setFocus(SSCommand2);  // Enter leads back to the game, never to the link
}

bool PopupQuov::IsWebConnected() { return url::webConnected(main_.p); }

void PopupQuov::Picture1_click() {
  // The installed help is a local file: no connection, no web site's notice.
  if (links_.pretendMoneyLink.empty()) {
    url::openShippedPage(main_.p, url::kHelpPage, kPretendMoneySection);
    return;
  }
  if (!IsWebConnected()) {
    url::tellNotConnected(main_);  // the offer stays open behind the game
    return;
  }
  main_.p.messages.show(offerMessage(), "", MsgIcon::Information, MsgButtons::Ok);
  url::ExecuteLink(main_.p, links_.pretendMoneyLink);
}

void PopupQuov::SSCommand2_click() { returnToGame(); }

void PopupQuov::Form_QueryUnload() { returnToGame(); }

void PopupQuov::returnToGame() {
  screen.visible = false;
  main_.screen.bringToFront();
}

}  // namespace quov
