// The options screen `quovoptions`: the player's desk. It shows the current
// player's statistics, chooses one of six player slots, takes a name,
// deletes a slot's details and sets the payout, the reel speed and the
// sound. The main screen takes no input while it is open. Beside the
// payout settings it shows what each is expected to return at the
// cabinet's lines and bet, and beside the statistics what the game history
// has measured for the chosen slot.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;
class HistoryMeters;

class QuovOptions {
 public:
  QuovOptions(Quov& main, HistoryMeters& history);
  QuovOptions(const QuovOptions&) = delete;
  QuovOptions& operator=(const QuovOptions&) = delete;

  Screen screen;
  Element Framemain;
  std::array<Element, 7> machine{};  // machine[1..6]: the player slots
  Element player1;                   // the name entry
  Element lblplayername, btnokplayer, Btndeletedetails;
  Element soundonof;
  std::array<Element, 3> sounds{};  // sounds[1] on, sounds[2] off
  Element payout;
  std::array<Element, 3> Amtpayout{};  // Amtpayout[0..2]
  Element Framespeed;
  std::array<Element, 5> setspeed{};  // setspeed[0..4]
  Element speedlab, fastslow;
  Element lblcurrentplayer, lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned,
      lblinvested, lblgrandwon, lblmajorwon, lblminorwon, lblfreespins;
  Element Label1;
  // The payout frame's expected returns: payoutreturn[i] without jackpots
  // and payoutjackpots[i] with them, for Amtpayout[i]; the bet they are at.
  std::array<Element, 3> payoutreturn{}, payoutjackpots{};
  Element payoutreturnhead, payoutjackpotshead, payoutnote;
  // The game history of the chosen slot: each meter's value beside its
  // title, then the return it measured and the return expected now.
  static constexpr int kHistoryRows = 9;
  Element historyframe;
  std::array<Element, kHistoryRows> histtitle{}, histvalue{};
  // Opens the charts of the chosen slot's return, credit and wins.
  Element btncharts;
  // Installed by the desktop, which draws the charts: the slot chosen and
  // its payout setting. Without it the button does nothing.
  std::function<void(int slot, int machinepay)> chartsWanted;

  void Form_Load();      // shown from the main screen's OPTIONS
  void Form_Activate();  // centred on the display
  void machine_click(int k);
  void player1_KeyPress(int& keyAscii);
  void btnokplayer_click();
  void Btndeletedetails_click();
  void Form_Unload();  // the screen closes, by OK, delete or its close control
  void Amtpayout_click(int i);
  void setspeed_click(int i);
  void sounds_click(int i);
  void btncharts_click();

 private:
  // Who writes the statistics: the titles alone differ between them.
  enum class Writer { ScreenLoad, SlotChosen };
  void buildElements();
  void buildFigures();
  void showExpectedReturns();
  void showHistory();
  void routeInput();
  void showStatistics(Writer writer);
  void showMainCaption();
  void showPlayer(const char* title);
  std::string slotCaption(const std::string& name);
  void selectOptionsOf(bool speed, bool payout, bool sound);
  void giveMainScreenBack();
  Quov& q;
  HistoryMeters& history_;
};

}  // namespace quov
