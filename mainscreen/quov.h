// The main screen `quov`: the cabinet's elements and timers and the fields
// that several parts of the game read and write in place between events (a
// spin's readout, the bet, the win, the free-spin series, the animation
// counters). What only one part touches lives with that part: the gamble's
// panel, stake and history in engine/gamble.h, the jackpot board and the
// ball's run in engine/jackpot.h, and so on.
// This record sits beneath every part of the game and calls none of them;
// where a part must reach one above it, it calls a hook the cabinet installed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "mainscreen/game_events.h"
#include "mainscreen/modquov.h"
#include "platform/element.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "rules/free_spins.h"
#include "rules/holds.h"
#include "rules/reels.h"

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

  // ---- Timers -------------------------------------------------------------
  // (Jackpot time's three timers are its own, made among these before
  // tmrautospin.)
  Timer tmrtick, Timerrespin, Timerscatters, Timer4, timerwild, Timerwincounter, tmrautospin,
      tmrshowbuttons, tmrlineflash;

  // ---- Shared fields --------------------------------------------------------
  // Each is read or written by more than one part; the comment names who
  // writes it and who reads it.
  // Bet and lines: written by the controls and the start-up (the options
  // screen sets the lines); read by the evaluation, free spins, the line
  // flash and the history.
  std::int16_t linesplayed = 0, betlevel = 0, betperline = 0;
  // The last spin's outcome as the animations read it after the spin. A
  // spin hands its outcome from step to step as a value (see
  // spin_outcome.h); the spin cycle copies it here as the steps come to it.
  // The last drawing (match values, wildonline, wildcell, scattercell,
  // scattercount): forgotten by the reels as a spin starts, written by the
  // spin cycle and the reels' resume; read by the wild animations, the
  // scatter animation and the line flash.
  Readout readout;
  MatchValues& match = readout.match;
  ReelArray& wildcell = readout.wildcell;
  ReelArray& scattercell = readout.scattercell;
  std::int16_t& scattercount = readout.scattercount;
  // Holds of reels 2..4 by a free-spin wild: drawn by the reels, cleared by
  // the settlement and released by the spin-down; read by the history.
  Holds holds;
  // The spin's win as the settlement left it: written by the spin cycle,
  // free spins' resume and the win meter's collect; read by the win meter,
  // the gamble (its stake) and the series' record.
  std::int32_t spinwin = 0;
  // The winning lines and every line's last paying run since the spin
  // press: written by the spin cycle (the press clears the runs) and free
  // spins' resume; read by the evaluation (a lotus pair pays only on a line
  // that ran no longer), the line flash and the series' record.
  LineArray winline{}, winlength{};
  // The pause autoplay takes after a win (set by the evaluation, kept by the
  // controls) and the idle ticks since the last spin (counted by the spin
  // cycle's ticker, reset by the controls and the win meter).
  std::int16_t autopause = 0, idleticks = 0;
  // Free-spin series: the mode (-1 while a series plays) and multiplier,
  // the spins given and played, the award's level and the series total.
  // Written by free spins, the evaluation and the win meter; read by the
  // spin cycle, the controls, the menu, the recall, the announcer and the
  // history.
  std::int16_t freespinmode = 0, freespinmult = 0;
  Series series;
  std::int16_t& freespinsgiven = series.given;
  std::int16_t& freespinsplayed = series.played;
  std::int16_t& bonuslevel = series.bonuslevel;
  std::int32_t freespinwin = 0;
  // Autoplay (written by the controls, the evaluation and the spin cycle;
  // read also by free spins, jackpot time, the win meter, the menu and the
  // recall) and the keys counted since the last spin (the controls, reset
  // by the spin cycle, jackpot time and the win meter).
  std::int16_t autoplaymode = 0, keycount = 0;
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
