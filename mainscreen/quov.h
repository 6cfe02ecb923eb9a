// The main screen `quov`: the cabinet's elements and timers and the fields
// that several parts of the game read and write in place between events (a
// spin's readout, the bet, the win, the free-spin series, the animation
// counters). What only one part touches lives with that part: the gamble's
// history in engine/gamble.h, the ball's run in engine/jackpot.h, and so on.
// This record sits beneath every part of the game and calls none of them;
// where a part must reach one above it, it calls a hook the cabinet installed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "rules/free_spins.h"
#include "rules/holds.h"
#include "rules/reels.h"
#include "mainscreen/game_events.h"
#include "mainscreen/modquov.h"
#include "platform/element.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "platform/timer.h"

namespace quov {

class Quov {
 public:
  Quov(Platform& platform, Modquov& module);
  Quov(const Quov&) = delete;
  Quov& operator=(const Quov&) = delete;

  Platform& p;
  Modquov& m;
  Screen screen;  // caption, enabled, visible, KeyPreview (the input-allowed flag)

  // ---- Elements -----------------------------------------------------------
  // Reel windows and strips; cell frames (three per window).
  std::array<Element, 6> Picture{};   // Picture[1..5]
  std::array<Element, 6> reel{};      // reel[1..5]
  std::array<Element, 16> flasher{};  // flasher[1..15]
  // Line markers and the six line segments.
  std::array<Element, 27> lin{};       // lin[1..26]
  std::array<Element, 7> Lineflash{};  // Lineflash[1..6]
  // Control bar and its picture buttons.
  Element panfreespin, coinsin, payline, btnbet, btnspin, doublebutton, autoplayon;
  Element btnstartall;  // the spin command, pressed in code
  Element takewin, pannomoney, btnoptions, btnopenmenu;
  Element menupic, about, mnuviewpaytable, viewpaylines, xit, Btnreturn2game;
  Element lastgames;  // the menu panel's LAST GAMES: the recall of the last games
  Element mnuhelp;    // the menu panel's HELP: the help screen
  Element mnucharts;  // the menu panel's CHARTS: the statistics of the current player
  // Meters and captions.
  Element LABWIN, lblwin, panelbank, Lblcredit, lbllast, lbltotallast, lblbet, lbllines;
  Element lblgrand, lblmajor, lblminor, spinsleft;
  // A line over the top of the reels while the records cannot be saved.
  Element savenotice;
  // Free spins: the queen figure.
  Element zendara1;
  // Jackpot board.
  Element jackpotframe, jackpotball11, jackpotball21, jackpotball31, jackpotpicture,
      lbljackpotwon;
  // Gamble panel.
  Element pandouble, piccardholder, betred, betblack, cancelbet, risklab, lblblackred, lblsuit,
      gamblewin, gamblelose;
  std::array<Element, 5> suitbet{};     // suitbet[1..4], index = suit code
  std::array<Element, 6> historypic{};  // historypic[1..5]

  // ---- Timers -------------------------------------------------------------
  Timer tmrtick, Timerrespin, Timerscatters, Timer4, timerwild, Timerwincounter, tmrbell,
      tmrdecidejackpot, tmrshowjackpot, tmrautospin, tmrshowbuttons, tmrlineflash;

  // ---- Shared fields --------------------------------------------------------
  // Bet and lines.
  std::int16_t linesplayed = 0, betlevel = 0, betperline = 0;
  // The last drawing: match values, wildonline, wildcell, scattercell, scattercount.
  Readout readout;
  MatchValues& match = readout.match;
  ReelArray& wildcell = readout.wildcell;
  ReelArray& scattercell = readout.scattercell;
  std::int16_t& scattercount = readout.scattercount;
  // Holds of reels 2..4 by a free-spin wild: drawn by the reels, cleared by
  // the settlement and released by the spin-down.
  Holds holds;
  // Outcome and presentation.
  std::int32_t spinwin = 0;
  LineArray winline{}, winlength{};
  std::int16_t rollstep = 0;
  std::int32_t rolled = 0;
  std::int16_t autopause = 0, idleticks = 0;
  // Free-spin series: the spins given and played, and the free spins the
  // last award announced.
  std::int16_t freespinmode = 0, freespinmult = 0;
  Series series;
  std::int16_t& freespinsgiven = series.given;
  std::int16_t& freespinsplayed = series.played;
  std::int16_t& bonuslevel = series.bonuslevel;
  std::int32_t freespinwin = 0, gamblecarry = 0;
  // Autoplay and input.
  std::int16_t autoplaymode = 0, keycount = 0;
  // Gamble stake.
  std::int32_t atrisk = 0;
  // Animation counters, reset by every spin press.
  int wildpicfirst = 0, wildpic = 0, wildticks = 0, scatterframe = 0, symbolframe = 0;
  // The line-number loops of the start-up and the line choice count in it,
  // and the line flash takes its blink phase from where they left it.
  std::int16_t loopc = 0;

  // ---- Hooks the cabinet installs -------------------------------------------
  // Between spins, when nothing is at stake: the records may be written.
  std::function<void()> recordsSettled;
  // The 25th losing spin of normal play: the offer screen opens.
  std::function<void()> offerDue;
  // Who keeps account of the games played; never null.
  GameEvents* events = &noEvents_;

  // ---- Helpers shared by the handlers ----------------------------------------
  std::int16_t totalBet() const;  // betperline x linesplayed, a 16-bit product
  void setBetPerLineFromLevel();
  bool inputAllowed() const { return screen.keyPreview; }
  void setInputAllowed(bool on) { screen.keyPreview = on; }
  void yield() { p.loop.yield(); }
  void sleep(int ms) { p.loop.sleep(ms); }
  void showCredit();  // panelbank and Lblcredit from bank
  // The win meter: LABWIN in plain cents, lblwin as money.
  void showWinMeter(long long labwinCents, long long lblwinCents);
  // Moves `e` in `frames` even steps from one place to another, shown, with
  // a pause after each frame so the window draws it.
  void slide(Element& e, int fromLeft, int fromTop, int toLeft, int toTop, int frames, int pauseMs);
  // Hides the fifteen cell frames.
  void hideCellFrames();

 private:
  void buildElements();
  GameEvents noEvents_;
};

}  // namespace quov
