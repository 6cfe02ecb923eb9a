// The pay table, the about screen, the offer and the help: how they open
// and close (by their own controls and by Escape), where they stand, the
// links they open and the texts they show, with the addresses a build may
// give the game and without them.
#include <gtest/gtest.h>

#include "headless/headless_machine.h"
#include "mainscreen/quov.h"
#include "screens/help_screen.h"
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
  url::ProjectLinks& addresses = machine.cabinet.projectLinks;
  // Addresses a build could be given, under a domain kept for examples.
  void giveAddresses() {
    addresses.homePage = "https://example.org/quov";
    addresses.feedbackAddress = "players@example.org";
    addresses.pretendMoneyLink = "https://example.org/quov/pretend-money";
  }
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
  EXPECT_EQ(about.lblfeedback.caption, " Feedback ? Please email me ");
  EXPECT_EQ(about.cmdfeedback.caption, "Email Me");
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

TEST_F(InformationScreens, AboutOpensTheHomePageAndTheFeedbackMailABuildGave) {
  giveAddresses();
  about.Form_Load();
  EXPECT_EQ(about.cmdbrelk.toolTip, "To my web site and more slots to choose from.");
  EXPECT_EQ(about.cmdfeedback.toolTip, "If you want to make a comment do it here.");
  about.screen.click(about.cmdbrelk);
  about.screen.click(about.cmdfeedback);
  ASSERT_EQ(links.opened.size(), 2u);
  EXPECT_EQ(links.opened[0],
            std::make_pair(std::string("https://example.org/quov"), std::string("open")));
  EXPECT_EQ(links.opened[1],
            std::make_pair(std::string("mailto:players@example.org?subject=Anything you wish"),
                           std::string("Open")));
  EXPECT_TRUE(shown().empty());
}

TEST_F(InformationScreens, WithoutAddressesTheLinkControlsSaySoAndOpenNothing) {
  ASSERT_TRUE(addresses.homePage.empty()) << "a build gives no address unless told to";
  ASSERT_TRUE(addresses.feedbackAddress.empty());
  about.Form_Load();
  EXPECT_EQ(about.cmdbrelk.toolTip, AboutQuov::kNoHomePage);
  EXPECT_EQ(about.cmdfeedback.toolTip, AboutQuov::kNoFeedbackAddress);
  links.online = false;  // the answer is the same with or without a connection
  about.screen.click(about.cmdbrelk);
  about.screen.click(about.cmdfeedback);
  EXPECT_TRUE(links.opened.empty());
  ASSERT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[0].text, AboutQuov::kNoHomePage);
  EXPECT_EQ(shown()[1].text, AboutQuov::kNoFeedbackAddress);
  EXPECT_EQ(shown()[0].buttons, MsgButtons::Ok);
  EXPECT_TRUE(about.screen.visible);
}

TEST_F(InformationScreens, HelpAndLicenceOpenTheInstalledPagesWithoutAConnection) {
  links.online = false;
  about.Form_Load();
  about.screen.click(about.cmdhelp);
  about.screen.click(about.cmdlicence);
  ASSERT_EQ(links.opened.size(), 2u);
  EXPECT_EQ(links.opened[0].first, "file:///usr/share/doc/quov/help.html");
  EXPECT_EQ(links.opened[0].second, "open");
  EXPECT_EQ(links.opened[1].first, "file:///usr/share/doc/quov/LICENSE");
  EXPECT_EQ(display.pointers, (std::vector<PointerShape>{PointerShape::Busy, PointerShape::Default,
                                                         PointerShape::Busy, PointerShape::Default}));
  EXPECT_TRUE(shown().empty());
}

TEST_F(InformationScreens, APageNotInstalledIsReportedAndNothingOpens) {
  links.shippedFolder.clear();
  about.Form_Load();
  about.screen.click(about.cmdlicence);
  offer.Form_Load();
  offer.screen.click(offer.Picture1);
  EXPECT_TRUE(links.opened.empty());
  ASSERT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[0].text, url::notShippedText("LICENSE"));
  EXPECT_EQ(shown()[1].text, url::notShippedText("help.html"));
}

TEST_F(InformationScreens, WithoutAConnectionNothingOpensAndThePlayerIsTold) {
  giveAddresses();
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
  giveAddresses();
  offer.Form_Load();
  EXPECT_EQ(offer.screen.caption, "Play for Real Money ");
  offer.screen.click(offer.Picture1);
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, PopupQuov::offerMessage());
  EXPECT_EQ(shown()[0].title, "");
  EXPECT_EQ(shown()[0].icon, MsgIcon::Information);
  ASSERT_EQ(links.opened.size(), 1u);
  EXPECT_EQ(links.opened[0].first, "https://example.org/quov/pretend-money");
  EXPECT_EQ(links.opened[0].second, "open");
  EXPECT_EQ(display.pointers, (std::vector<PointerShape>{PointerShape::Busy, PointerShape::Default}));
  EXPECT_TRUE(offer.screen.visible) << "the offer stays open";
}

TEST_F(InformationScreens, ALinkThatCannotOpenIsReportedWithTheErrorNumber) {
  links.result = 0;
  url::ExecuteLink(machine.platform.services, "https://example.org/pretend-money");
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, "error Opening Link to https://example.org/pretend-money\r\n\r\n2");
  EXPECT_EQ(shown()[0].title, "ExecuteLink");
  EXPECT_EQ(shown()[0].buttons, MsgButtons::Ok);
  // The pointer is back to normal before the message and after it.
  EXPECT_EQ(display.pointers, (std::vector<PointerShape>{PointerShape::Busy, PointerShape::Default,
                                                         PointerShape::Default}));
}

TEST_F(InformationScreens, WithoutAPageTheOfferLeadsToTheInstalledHelpOnPretendMoney) {
  links.online = false;  // a local file needs no connection
  offer.Form_Load();
  offer.screen.click(offer.Picture1);
  ASSERT_EQ(links.opened.size(), 1u);
  EXPECT_EQ(links.opened[0].first, "file:///usr/share/doc/quov/help.html#pretend-money");
  EXPECT_TRUE(shown().empty()) << "no notice of a secure web site before a local page";
  EXPECT_TRUE(offer.screen.visible);
}

TEST_F(InformationScreens, TheOfferWithoutAConnectionShowsTheCabinetAndStaysOpen) {
  giveAddresses();
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

// Escape on each side screen does what the screen's own way back does.
TEST_F(InformationScreens, EscapeLeadsBackAsEachScreensReturnControl) {
  openMenu();
  machine.click(q.mnuviewpaytable);
  ASSERT_FALSE(q.screen.enabled);
  EXPECT_TRUE(pays.screen.escape());
  EXPECT_FALSE(pays.screen.visible);
  EXPECT_TRUE(q.screen.enabled);

  about.Form_Load();
  auto raises = q.screen.raises;
  EXPECT_TRUE(about.screen.escape());
  EXPECT_FALSE(about.screen.visible);
  EXPECT_GT(q.screen.raises, raises);

  q.screen.visible = false;
  offer.Form_Load();
  EXPECT_TRUE(offer.screen.escape());
  EXPECT_FALSE(offer.screen.visible);
  EXPECT_TRUE(q.screen.visible) << "never left without a window";

  QuovHelp& help = machine.cabinet.quovhelp;
  help.Form_Load();
  EXPECT_TRUE(help.screen.visible);
  EXPECT_EQ(help.screen.focus, &help.helppage) << "the keyboard scrolls the page";
  EXPECT_TRUE(q.screen.enabled) << "the game goes on beside the help";
  raises = q.screen.raises;
  EXPECT_TRUE(help.screen.escape());
  EXPECT_FALSE(help.screen.visible);
  EXPECT_GT(q.screen.raises, raises);
  spinLosing();
  EXPECT_EQ(m.games, 1);

  // The options close as OK does: the slot is saved and the cabinet given back.
  QuovOptions& options = machine.cabinet.quovoptions;
  ASSERT_TRUE(machine.click(q.btnoptions));
  ASSERT_TRUE(options.screen.visible);
  options.player1.setCaption("half-typed");
  EXPECT_TRUE(options.screen.escape());
  EXPECT_FALSE(options.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_EQ(options.player1.caption, "");
  EXPECT_EQ(machine.platform.store.read("quovslot", "player1", "games"), "1");

  // The recall returns to the game as RETURN TO GAME does.
  QuovRecall& recall = machine.cabinet.quovrecall;
  recall.lastgames_click();
  ASSERT_TRUE(recall.screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  EXPECT_TRUE(recall.screen.escape());
  EXPECT_FALSE(recall.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
}

TEST_F(InformationScreens, EscapeDoesNothingWhereTheWayBackCannotBePressed) {
  about.Form_Load();
  about.Btnxit.hide();
  EXPECT_FALSE(about.screen.escape());
  EXPECT_TRUE(about.screen.visible);
  about.Btnxit.show();
  about.Btnxit.disable();
  EXPECT_FALSE(about.screen.escape());
  EXPECT_TRUE(about.screen.visible);
  about.Btnxit.enable();
  about.screen.enabled = false;  // a disabled screen takes no input at all
  EXPECT_FALSE(about.screen.escape());
  EXPECT_TRUE(about.screen.visible);
  // The cabinet has no way back to take: Escape is its key handler's to judge.
  EXPECT_FALSE(q.screen.escape());
}

}  // namespace
}  // namespace quov
