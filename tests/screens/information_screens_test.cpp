// The pay table, the about screen and the offer: how they open and close,
// where they stand, the links they open and the texts they show.
#include <gtest/gtest.h>

#include "mainscreen/quov.h"
#include "platform/headless/headless_machine.h"
#include "screens/offer_screen.h"
#include "screens/project.h"
#include "screens/url.h"

namespace quov {
namespace {

class InformationScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.platform.store.write("quovslot", "player1", "bank", "5000");
    machine.start();
    machine.advance(100);
  }
  void openMenu() { q.screen.routes.find(q.btnopenmenu)->mouseMove(); }
  const std::vector<ScriptedMessages::Shown>& shown() { return machine.platform.messages.shown; }
  // A losing spin pressed on the cabinet (no jackpot time, no throttle draw
  // needed at the default payout: the losing outcome stands).
  void spinLosing() {
    machine.scriptSpin({22, 8, 17, 1, 1});
    ASSERT_TRUE(machine.click(q.btnspin));
    ASSERT_TRUE(machine.settle());
  }

  HeadlessMachine machine;
  Quov& q = machine.quov;
  Modquov& m = machine.mod;
  QuovPays& pays = machine.cabinet.quovpays;
  AboutQuov& about = machine.cabinet.aboutquov;
  PopupQuov& offer = machine.cabinet.popupquov;
  RecordedLinks& links = machine.platform.links;
  FixedDisplay& display = machine.platform.display;
};

TEST_F(InformationScreens, PayTableHoldsTheCabinetUntilExitOrClose) {
  openMenu();
  ASSERT_TRUE(machine.click(q.mnuviewpaytable));
  EXPECT_TRUE(pays.screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  EXPECT_EQ(pays.screen.caption, "QUOV PAYTABLE");
  pays.screen.click(pays.btnunloadpays);
  EXPECT_FALSE(pays.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  spinLosing();
  EXPECT_EQ(m.games, 1);

  openMenu();
  machine.click(q.mnuviewpaytable);
  EXPECT_FALSE(q.screen.enabled);
  pays.screen.closeRequest();
  EXPECT_FALSE(pays.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  spinLosing();
  EXPECT_EQ(m.games, 2);
}

TEST_F(InformationScreens, PayTableStandsCentredOnAnyDisplay) {
  for (const auto& [w, h] : {std::pair{1280, 1024}, std::pair{1921, 1081}}) {
    display.width = w * kTwipsPerPixel;
    display.height = h * kTwipsPerPixel;
    pays.Form_Load();
    EXPECT_EQ(pays.screen.left, (display.width - 8940) / 2);
    EXPECT_EQ(pays.screen.top, (display.height - 6795) / 2);
    pays.screen.left = pays.screen.top = 0;
    pays.screen.routes.activate();
    // Halves of each size apart: an odd height can land a twip lower.
    EXPECT_EQ(pays.screen.left, display.width / 2 - 8940 / 2);
    EXPECT_EQ(pays.screen.top, display.height / 2 - 6795 / 2);
  }
  // A minimised or maximised window is left where it is.
  Screen other;
  other.width = 3000;
  other.height = 2000;
  other.windowState = WindowState::Minimised;
  pays.CenterForm(other);
  EXPECT_EQ(other.left, 0);
  other.windowState = WindowState::Normal;
  pays.CenterForm(other);
  EXPECT_EQ(other.left, (display.width - 3000) / 2);
  EXPECT_EQ(other.top, (display.height - 2000) / 2);
}

TEST_F(InformationScreens, AboutLeavesTheCabinetInPlayAndReturnsToIt) {
  openMenu();
  ASSERT_TRUE(machine.click(q.about));
  EXPECT_TRUE(about.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_EQ(about.screen.caption, "about quov");
  EXPECT_EQ(about.Label2.caption, "See More Slots At :-");
  EXPECT_EQ(about.cmdbrelk.caption, "Brelk-Slots");
  EXPECT_EQ(about.cmdbrelk.toolTip, "To my web site and more slots to choose from.");
  EXPECT_EQ(about.lblfeedback.caption, " Feedback ? Please email me ");
  EXPECT_EQ(about.cmdfeedback.caption, "Email Me");
  EXPECT_EQ(about.cmdfeedback.toolTip, "If you want to make a comment do it here.");
  EXPECT_NE(about.lblversion.caption.find(std::string("Version ") + project::kVersion),
            std::string::npos);
  EXPECT_NE(about.lblversion.caption.find("GPL-3.0-or-later"), std::string::npos);
  spinLosing();  // the game goes on beside it
  EXPECT_EQ(m.games, 1);

  const auto raises = q.screen.raises;
  about.screen.click(about.Btnxit);
  EXPECT_FALSE(about.screen.visible);
  EXPECT_GT(q.screen.raises, raises);
  about.Form_Load();
  about.screen.closeRequest();
  EXPECT_FALSE(about.screen.visible);
}

TEST_F(InformationScreens, AboutOpensTheHomePageAndTheFeedbackMail) {
  about.Form_Load();
  about.screen.click(about.cmdbrelk);
  about.screen.click(about.cmdfeedback);
  ASSERT_EQ(links.opened.size(), 2u);
  EXPECT_EQ(links.opened[0], std::make_pair(std::string("https://quov.io"), std::string("open")));
  EXPECT_EQ(links.opened[1],
            std::make_pair(std::string("mailto:feedback@quov.io?subject=Anything you wish"),
                           std::string("Open")));
  EXPECT_TRUE(shown().empty());
}

TEST_F(InformationScreens, WithoutAConnectionNothingOpensAndThePlayerIsTold) {
  links.online = false;
  about.Form_Load();
  for (Element* button : {&about.cmdbrelk, &about.cmdfeedback}) {
    const auto raises = q.screen.raises;
    about.screen.click(*button);
    EXPECT_GT(q.screen.raises, raises) << "the cabinet comes to the front";
  }
  EXPECT_TRUE(links.opened.empty());
  ASSERT_EQ(shown().size(), 2u);
  for (const auto& box : shown()) {
    EXPECT_EQ(box.text, "You need to connect your computer to the internet.");
    EXPECT_EQ(box.title, "Internet Connection Status");
    EXPECT_EQ(box.icon, MsgIcon::Error);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
  }
  EXPECT_TRUE(about.screen.visible);
}

TEST_F(InformationScreens, TheOfferMessageKeepsEveryBlank) {
  EXPECT_EQ(PopupQuov::offerMessage(),
            std::string(project::kPretendMoneyName) +
                "\r Please be Patient as this may take a little time !! You are being taken via "
                "Brelk-Slots to a secure web site that encrypts all transmitted  data according "
                "to the secure HTTPS protocol.\rSecurity that is provided by an SSL certificate "
                "protects sensitive information entered into that site as it travels from the "
                "site to a server.\r");
}

TEST_F(InformationScreens, TheOfferPictureOpensThePretendMoneyPageUnderABusyPointer) {
  offer.Form_Load();
  EXPECT_EQ(offer.screen.caption, "Play for Real Money ");
  offer.screen.click(offer.Picture1);
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, PopupQuov::offerMessage());
  EXPECT_EQ(shown()[0].title, "");
  EXPECT_EQ(shown()[0].icon, MsgIcon::Information);
  ASSERT_EQ(links.opened.size(), 1u);
  EXPECT_EQ(links.opened[0].first, "https://quov.io/pretend-money");
  EXPECT_EQ(links.opened[0].second, "open");
  EXPECT_EQ(display.pointers, (std::vector<PointerShape>{PointerShape::Busy, PointerShape::Default}));
  EXPECT_TRUE(offer.screen.visible) << "the offer stays open";
}

TEST_F(InformationScreens, ALinkThatCannotOpenIsReportedWithTheErrorNumber) {
  links.result = 0;
  url::ExecuteLink(machine.platform.services, "https://quov.io/pretend-money");
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, "error Opening Link to https://quov.io/pretend-money\r\n\r\n2");
  EXPECT_EQ(shown()[0].title, "ExecuteLink");
  EXPECT_EQ(shown()[0].buttons, MsgButtons::Ok);
  // The pointer is back to normal before the message and after it.
  EXPECT_EQ(display.pointers, (std::vector<PointerShape>{PointerShape::Busy, PointerShape::Default,
                                                         PointerShape::Default}));
}

TEST_F(InformationScreens, TheOfferWithoutAConnectionShowsTheCabinetAndStaysOpen) {
  links.online = false;
  offer.Form_Load();
  q.screen.visible = false;
  offer.screen.click(offer.Picture1);
  EXPECT_TRUE(q.screen.visible);
  EXPECT_TRUE(offer.screen.visible);
  EXPECT_TRUE(links.opened.empty());
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].title, "Internet Connection Status");
}

}  // namespace
}  // namespace quov
