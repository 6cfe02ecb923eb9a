// The options screen `quovoptions`: the player's desk. It shows the current
// player's statistics, chooses one of six player slots, takes a name,
// deletes a slot's details and sets the payout, the reel speed and the
// sound. The main screen takes no input while it is open.
#pragma once

#include <array>
#include <string>

#include "platform/element.h"
#include "platform/screen.h"

namespace quov {

class Quov;

class QuovOptions {
 public:
  explicit QuovOptions(Quov& main);
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

 private:
  // Who writes the statistics: the titles alone differ between them.
  enum class Writer { ScreenLoad, SlotChosen };
  void buildElements();
  void routeInput();
  void showStatistics(Writer writer);
  void showMainCaption();
  void showPlayer(const char* title);
  std::string slotCaption(const std::string& name);
  void selectOptionsOf(bool speed, bool payout, bool sound);
  void giveMainScreenBack();
  Quov& q;
};

}  // namespace quov
