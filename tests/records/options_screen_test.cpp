// The options screen: slots, names, statistics, options, delete and close,
// worked as the player works them.
#include "cabinet/startup.h"
#include "mainscreen/quov.h"
#include "tests/records/options_fixture.h"

namespace quov {
namespace {

using testing::OptionsTest;

class Options : public OptionsTest {};

TEST_F(Options, OpensOverADisabledCabinetWithTheCurrentPlayer) {
  open();
  EXPECT_TRUE(o.screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  EXPECT_FALSE(q.doublebutton.enabled);
  const char* slots[7] = {"", "ZOË", "BOB", "Vacant", "Vacant", "Vacant", "Vacant"};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(o.machine[k].caption, slots[k]) << k;
    EXPECT_EQ(o.machine[k].value, k == 1) << k;
  }
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player    ZOË");
  EXPECT_EQ(o.lblgames.caption, "Games Played            12");
  EXPECT_EQ(o.lblwager.caption, "Total Wagered           300");
  EXPECT_EQ(o.lbltotalwon.caption, "Total Won                   250");
  EXPECT_EQ(o.lblwinlose.caption, "Winning/Losing -50");
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % 83");
  EXPECT_EQ(o.lblinvested.caption, "Total Invested             5000");
  EXPECT_EQ(o.lblgrandwon.caption, "Grand Jackpots Won     0");
  EXPECT_EQ(o.lblmajorwon.caption, "Major jackpots Won     1");
  EXPECT_EQ(o.lblminorwon.caption, "Minor Jackpots Won     3");
  EXPECT_EQ(o.lblfreespins.caption, "Freespins Won     2");
  // The stored options are selected, and selecting ran their handlers.
  EXPECT_TRUE(o.Amtpayout[1].value);
  EXPECT_FALSE(o.Amtpayout[0].value || o.Amtpayout[2].value);
  EXPECT_TRUE(o.setspeed[1].value);
  EXPECT_EQ(o.speedlab.caption, "Current Speed =   2");
  EXPECT_TRUE(o.sounds[2].value);
  EXPECT_FALSE(o.sounds[1].value);
  EXPECT_EQ(m.bank, 5000);
  EXPECT_EQ(m.jackpotbank, 900);
}

TEST_F(Options, ReturnedPercentageIsTheWholePercentOfTheWager) {
  m.total = 950;
  m.wager = 1000;
  open();  // saved on opening, then read back with the slot
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % 95");
  // 29 of 100 is 29 per cent, not the 28 a floating-point quotient gives.
  put(1, "total", "29");
  put(1, "wager", "100");
  click(o.machine[1]);
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % 29");
  // Games but nothing wagered: no percentage, the label keeps its text.
  put(1, "wager", "0");
  click(o.machine[1]);
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % 29");
  EXPECT_EQ(o.lblwager.caption, "Total Wagered           0");
}

TEST_F(Options, ChoosingASlotLoadsItsPlayerEverywhere) {
  open();
  click(o.machine[2]);
  EXPECT_EQ(m.playerslot, "2");
  EXPECT_EQ(m.currentplayer, "Bob");
  EXPECT_EQ(m.bank, 700);
  EXPECT_EQ(q.panelbank.caption, "700");
  EXPECT_EQ(q.Lblcredit.caption, "$ 7");
  EXPECT_EQ(q.screen.caption, "Current Player       BOB");
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player   BOB");
  EXPECT_EQ(o.lblgames.caption, "Games Played            4");
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % 40");
  EXPECT_EQ(o.lblfreespins.caption, "Freespins Won     2") << "the slot choice leaves it";
  EXPECT_EQ(m.grand, 300000);
  // Bob's options are selected; the sound option stays as it was.
  EXPECT_EQ(m.machinepay, 1);
  EXPECT_TRUE(o.Amtpayout[2].value);
  EXPECT_EQ(m.reelspeed, 10);
  EXPECT_TRUE(o.setspeed[4].value);
  EXPECT_EQ(o.speedlab.caption, "Current Speed =   5");
  EXPECT_EQ(o.screen.focus, &o.player1);
  EXPECT_TRUE(o.machine[2].value);
  EXPECT_FALSE(o.machine[1].value);
}

TEST_F(Options, AVacantSlotStartsWithNothingButTheMetersAndTheSound) {
  m.soundonoff = -1;  // saved on opening
  open();
  click(o.machine[3]);
  EXPECT_EQ(o.machine[3].caption, "Vacant");
  EXPECT_EQ(m.currentplayer, "");
  EXPECT_EQ(m.bank, 0);
  EXPECT_EQ(q.panelbank.caption, "0");
  EXPECT_EQ(q.Lblcredit.caption, "$ 0");
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.wager, 0);
  EXPECT_EQ(m.amountinvested, 0);
  // The previous player's free spins and jackpots are hers, not the slot's.
  EXPECT_EQ(m.howmanyspins, 0);
  EXPECT_EQ(m.majorwon, 0);
  EXPECT_EQ(m.minorwon, 0);
  EXPECT_EQ(m.jackpotbank, 0);
  EXPECT_EQ(m.soundonoff, -1);
  EXPECT_EQ(m.grand, 250000);
  EXPECT_EQ(m.machinepay, 4);
  EXPECT_EQ(m.reelspeed, 1);
  EXPECT_TRUE(o.Amtpayout[0].value);
  EXPECT_TRUE(o.setspeed[0].value);
  EXPECT_TRUE(o.sounds[1].value);

  click(o.btnokplayer);
  EXPECT_EQ(stored(3, "howmanyspins"), "0");
  EXPECT_EQ(stored(3, "majorwon"), "0");
  EXPECT_EQ(stored(3, "jackpotbank"), "0");
  EXPECT_EQ(stored(3, "soundonoff"), "-1");
  EXPECT_EQ(stored(3, "grand", "allslot"), "250000");
  EXPECT_EQ(stored(3, "currentplayer"), "");
  EXPECT_EQ(stored(1, "jackpotbank"), "900") << "slot 1 keeps its own";
}

TEST_F(Options, TitlesWithoutGamesDifferBetweenOpeningAndChoosing) {
  m.games = 0;
  open();
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player    ZOË");
  EXPECT_EQ(o.lblgames.caption, "Games Played      ");
  EXPECT_EQ(o.lblwager.caption, "Total Wagered     ");
  EXPECT_EQ(o.lbltotalwon.caption, "Total Won      ");
  EXPECT_EQ(o.lblwinlose.caption, "Winning/Losing     ");
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     ");
  EXPECT_EQ(o.lblinvested.caption, "Total Invested      ");
  EXPECT_EQ(o.lblmajorwon.caption, "Major jackpots Won     ");
  EXPECT_EQ(o.lblfreespins.caption, "Freespins Won     ");

  click(o.machine[5]);
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player    ");
  EXPECT_EQ(o.lblgames.caption, "Games Played          ");
  EXPECT_EQ(o.lblwager.caption, "Total Wagered         ");
  EXPECT_EQ(o.lbltotalwon.caption, "Total Won          ");
  EXPECT_EQ(o.lblwinlose.caption, "Winning/Losing      ");
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player ");
  EXPECT_EQ(o.lblinvested.caption, "Total Invested     ");
  EXPECT_EQ(o.lblgrandwon.caption, "Grand Jackpots Won     ");
}

TEST_F(Options, ASlotMissingAnyNumberPlaysAtTheFastestSpeed) {
  put(4, "currentplayer", "Ann");
  put(4, "reelspeed", "8");
  open();
  click(o.machine[4]);
  EXPECT_EQ(m.currentplayer, "Ann");
  EXPECT_EQ(m.reelspeed, 1);
  EXPECT_EQ(o.machine[4].caption, "ANN");
}

TEST_F(Options, ANameOfTwelveCharactersIsTakenWhateverItsBytes) {
  open();
  const std::string name = "Zoë Ångström";  // 12 characters in 15 bytes
  EXPECT_EQ(enterName(name), 0) << "Enter is swallowed";
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(m.currentplayer, name);
  EXPECT_EQ(stored(1, "currentplayer"), name);
  EXPECT_EQ(o.player1.caption, "");
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player  ZOË ÅNGSTRÖM");
  EXPECT_EQ(o.machine[1].caption, "ZOË ÅNGSTRÖM");
  EXPECT_EQ(q.screen.caption, "Current Player       ZOË ÅNGSTRÖM");
  EXPECT_EQ(q.Lblcredit.caption, "$ 50");

  const std::string marks = "a=[;]\"\\b";  // what a settings file would mistake
  enterName(marks);
  EXPECT_EQ(stored(1, "currentplayer"), marks);
  EXPECT_EQ(o.machine[1].caption, "A=[;]\"\\B");
}

TEST_F(Options, ATooLongOrEmptyNameIsRefusedWithItsMessage) {
  open();
  enterName("Thirteen char");
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, "Name Too Long");
  EXPECT_EQ(shown()[0].title, "Slots_quov");
  EXPECT_EQ(shown()[0].icon, MsgIcon::Information);
  EXPECT_EQ(shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(m.currentplayer, "Zoë");
  EXPECT_EQ(o.player1.caption, "");
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player  ZOË");

  enterName("");
  ASSERT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[1].text, "Nothing Entered");
  EXPECT_EQ(m.currentplayer, "Zoë");
  EXPECT_EQ(stored(1, "currentplayer"), "Zoë");
}

TEST_F(Options, OnlyEnterTakesTheName) {
  open();
  o.player1.setCaption("Max");
  int key = 'x';
  o.screen.keyPress(o.player1, key);
  EXPECT_EQ(key, 'x') << "other keys reach the box";
  EXPECT_EQ(m.currentplayer, "Zoë");
  EXPECT_EQ(o.player1.caption, "Max");
}

TEST_F(Options, DeletingKeepsTheNameAndTheJackpotPrizes) {
  machine.platform.messages.answers.push_back(MsgAnswer::Yes);
  open();
  click(o.Btndeletedetails);
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, "Are you sure you want to Delete Current Player's Details ?");
  EXPECT_EQ(shown()[0].title, "Slots_quov");
  EXPECT_EQ(shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(shown()[0].defaultNo);
  EXPECT_EQ(m.bank, 0);
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.total, 0);
  EXPECT_EQ(m.howmanyspins, 0);
  EXPECT_EQ(m.minorwon, 0);
  EXPECT_EQ(m.machinepay, 4);
  EXPECT_EQ(m.currentplayer, "Zoë");
  EXPECT_EQ(m.jackpotbank, 900);
  EXPECT_EQ(m.reelspeed, 2);
  EXPECT_EQ(m.grand, 250000);
  EXPECT_EQ(stored(1, "bank"), "0");
  EXPECT_EQ(stored(1, "currentplayer"), "Zoë");
  EXPECT_EQ(stored(1, "jackpotbank"), "900");
  // The credit shows nothing until it next changes.
  EXPECT_EQ(q.Lblcredit.caption, "");
  EXPECT_EQ(q.panelbank.caption, "");
  EXPECT_EQ(o.lblcurrentplayer.caption, "Current Player   ZOË");
  EXPECT_EQ(o.lblgames.caption, "Games Played            0");
  EXPECT_EQ(o.lblreturned.caption, "Returned To Player     % ");
  EXPECT_EQ(o.lblgrandwon.caption, "Grand Jackpots Won     ");
  EXPECT_FALSE(o.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
}

TEST_F(Options, TheDeleteQuestionDefaultsToNo) {
  open();
  click(o.Btndeletedetails);  // Enter on the question presses its default button
  EXPECT_EQ(m.bank, 5000);
  EXPECT_EQ(m.games, 12);
  EXPECT_EQ(stored(1, "bank"), "5000");
  EXPECT_FALSE(o.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
}

TEST_F(Options, ClosingGivesUpTheGambleAndKeepsTheStoredName) {
  o.Form_Load();
  q.doublebutton.enable();  // a win waits to be gambled
  q.flasher[4].show();
  m.reelspeed = 0;
  m.bank = 1234;
  put(1, "currentplayer", "Written elsewhere");
  o.screen.closeRequest();
  EXPECT_FALSE(o.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_TRUE(q.screen.visible);
  EXPECT_FALSE(q.doublebutton.enabled);
  EXPECT_FALSE(q.flasher[4].visible);
  EXPECT_EQ(m.reelspeed, 1);
  EXPECT_EQ(stored(1, "bank"), "1234");
  EXPECT_EQ(stored(1, "currentplayer"), "Written elsewhere") << "closing saves no name";
}

TEST_F(Options, TheOptionsSetThePayoutSpeedAndSoundAndTheCabinetSpinsAgain) {
  open();
  // While the screen is open the cabinet takes no input.
  machine.click(q.btnspin);
  machine.key(' ');
  EXPECT_EQ(m.games, 12);

  click(o.Amtpayout[2]);
  EXPECT_EQ(m.machinepay, 1);
  EXPECT_FALSE(o.Amtpayout[1].value);
  click(o.setspeed[3]);
  EXPECT_EQ(m.reelspeed, 8);
  EXPECT_EQ(o.speedlab.caption, "Current Speed =   4");
  click(o.sounds[1]);
  EXPECT_EQ(m.soundonoff, -1);
  click(o.btnokplayer);
  EXPECT_FALSE(o.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_EQ(stored(1, "machinepay"), "1");
  EXPECT_EQ(stored(1, "reelspeed"), "8");
  EXPECT_EQ(stored(1, "soundonoff"), "-1");

  // Stops that lose on every line; with the payout at 1 no throttle draw.
  machine.scriptSpin({22, 8, 17, 1, 1});
  ASSERT_TRUE(machine.click(q.btnspin));
  ASSERT_TRUE(machine.settle());
  EXPECT_EQ(m.games, 13);
  EXPECT_EQ(m.bank, 5000 - 25);
}

TEST_F(Options, TheChosenSlotIsTheOneTheExitWrites) {
  open();
  click(o.machine[2]);
  click(o.btnokplayer);
  m.bank = 650;
  machine.cabinet.startup().xit_click();
  EXPECT_EQ(stored(2, "bank"), "650");
  EXPECT_EQ(stored(1, "bank"), "5000");
}

}  // namespace
}  // namespace quov
