// The main screen `quov`: the cabinet's elements and timers, the fields that
// hold the machine's state between events, and every handler of the screen.
// The handlers live in the files of their subsystem (spin cycle, reels,
// evaluation, win meter, free spins, jackpots, gamble, controls, start-up,
// paylines); they read and write the state below in place.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/clips.h"
#include "engine/modquov.h"
#include "engine/rules/gamble.h"
#include "engine/rules/reels.h"
#include "platform/element.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "records/autosave.h"

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
  std::array<Element, 6> Picture{};  // Picture[1..5]
  std::array<Element, 6> reel{};     // reel[1..5]
  std::array<Element, 16> flasher{};  // flasher[1..15]
  // Line markers and the six line segments.
  std::array<Element, 27> lin{};       // lin[1..26]
  std::array<Element, 7> Lineflash{};  // Lineflash[1..6]
  // Control bar and its picture buttons.
  Element panfreespin, coinsin, payline, btnbet, btnspin, doublebutton, autoplayon;
  Element btnstartall;  // the spin command, pressed in code
  Element takewin, pannomoney, btnoptions, btnopenmenu;
  Element menupic, about, mnuviewpaytable, viewpaylines, xit, Btnreturn2game;
  // Meters and captions.
  Element LABWIN, lblwin, panelbank, Lblcredit, lbllast, lbltotallast, lblbet, lbllines;
  Element lblgrand, lblmajor, lblminor, spinsleft;
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

  // ---- Fields -------------------------------------------------------------
  // Bet and lines.
  std::int16_t linesplayed = 0, betlevel = 0, betperline = 0;
  // Reel results.
  std::int16_t reel1stop = 0, reel2stop = 0, reel3stop = 0, reel4stop = 0, reel5stop = 0;
  std::int16_t reel1mark = 0, reel2mark = 0, reel3mark = 0, reel4mark = 0, reel5mark = 0;
  std::int32_t reel1pos = 0, reel2pos = 0, reel3pos = 0, reel4pos = 0, reel5pos = 0;
  Readout readout;  // the match values, wildonline, wildcell, scattercell, scattercount
  MatchValues& match = readout.match;
  LineArray& wildonline = readout.match.wildonline;
  ReelArray& wildcell = readout.wildcell;
  ReelArray& scattercell = readout.scattercell;
  std::int16_t& scattercount = readout.scattercount;
  int reel2wild = 0, reel3wild = 0;
  std::int16_t reel4wild = 0;
  int reel2held = 0, reel3held = 0;
  std::int16_t reel4held = 0;
  // Outcome and presentation.
  std::int32_t spinwin = 0;
  LineArray winline{}, winlength{};
  std::int16_t paydraw = 0, rollstep = 0;
  std::int32_t rolled = 0;
  std::int16_t autopause = 0, idleticks = 0, flashcount = 0, flashpos = 0;
  // Free spins.
  std::int16_t freespinmode = 0, freespinsgiven = 0, freespinsplayed = 0, freespinmult = 0;
  std::int32_t freespinwin = 0, gamblecarry = 0;
  // Autoplay and input.
  std::int16_t autoplaymode = 0, keycount = 0;
  // Gamble.
  std::int32_t atrisk = 0;
  std::int16_t historycount = 0;
  // Jackpot time.
  std::int16_t jackpotdraw = 0, ballcell = 0, balllaps = 0, ballinterval = 0, balltarget = 0,
               ballslowing = 0, bellcount = 0, balltop = 0, betx30 = 0;
  int ballleft = 0, betx10 = 0, betx20 = 0;
  // Animation counters.
  int wildpicfirst = 0, wildpic = 0, wildticks = 0, scatterframe = 0, symbolframe = 0;
  // Loop counters shared by many handlers.
  std::int16_t loopa = 0, loopb = 0, loopc = 0;
  // The 27 clips, loaded at start-up.
  Clips clips;

  // Values the handlers keep from one call to the next.
  std::int16_t autonotice = 0, autotoggle = 0;  // autoplay switch
  std::int16_t linetoggle = 0;                  // line button
  std::int16_t bonuslevel = 0;                  // finishspin
  std::int16_t jpframe = 0, jpball = 0, jpticks = 0;  // tmrshowjackpot
  std::int16_t seriesticks = 0;                 // Timerwincounter

  // ---- Handlers -------------------------------------------------------------
  // Spin cycle.
  void btnstartall_click();  // the spin press
  void btnspin_click();
  void btnspin_mouseup();
  void tmrtick_tick();
  void Timerrespin_tick();
  // Reels; spinreel1 returns after the whole spin, animation included.
  void spinreel1();
  void spinreel2();
  void spinreel3();
  void spinreel4();
  void spinreel5();
  // End of spin: evaluation, settlement, meter step, animation, presentation.
  void finishspin();
  // Win meter and collect.
  void Timerwincounter_tick();
  void takewin_click();
  // Free spins and wild animations.
  void Timerscatters_tick();
  void freespinbusiness();
  void Timer4_tick();
  void timerwild_tick();
  // Jackpots.
  void tmrbell_tick();
  void tmrdecidejackpot_tick();
  void tmrshowjackpot_tick();
  // Gamble.
  void doublebutton_mousedown();
  void betred_click();
  void betblack_click();
  void suitbet_click(int index);
  void cancelbet_click();
  // Start-up and shut-down.
  void Form_Load();
  void Form_Activate(int displayWidthTwips, int displayHeightTwips);
  void Form_QueryUnload();
  void xit_click();
  // Player controls.
  void coinsin_mousedown();
  void coinsin_mouseup();
  void btnbet_mousedown();
  void btnbet_mouseup();
  void payline_mousedown();
  void payline_mouseup();
  void autoplayon_mousedown();
  void autoplayon_mouseup();
  void Form_KeyPress(int& keyAscii);
  void tmrautospin_tick();
  // Menu panel and navigation.
  void Form_MouseMove();
  void btnopenmenu_mousemove();
  void btnoptions_click();
  void about_click();
  void mnuviewpaytable_click();
  void viewpaylines_click();
  void Btnreturn2game_click();
  void tmrshowbuttons_tick();
  // Paylines and their flashing.
  void ShowPayline(int marker);
  void PlacePayline(int line, bool shown);
  void HidePaylines();
  void lin_mousemove(int index);
  void tmrlineflash_tick();

  // ---- Helpers shared by the handlers ----------------------------------------
  std::int16_t totalBet() const;  // betperline x linesplayed, a 16-bit product
  void setBetPerLineFromLevel();
  bool inputAllowed() const { return screen.keyPreview; }
  void setInputAllowed(bool on) { screen.keyPreview = on; }
  void yield() { p.loop.yield(); }
  void sleep(int ms) { p.loop.sleep(ms); }
  // Plays a clip when sound is on; playClipAlways ignores the switch.
  void playClip(int id, ClipMode mode = ClipMode::Play);
  void playClipAlways(int id, ClipMode mode = ClipMode::Play);
  void stopSounds();
  void showCredit();  // panelbank and Lblcredit from bank
  // The win meter: LABWIN in plain cents, lblwin as money.
  void showWinMeter(long long labwinCents, long long lblwinCents);
  // Moves `e` in `frames` even steps from one place to another, shown, with
  // a pause after each frame so the window draws it.
  void slide(Element& e, int fromLeft, int fromTop, int toLeft, int toTop, int frames, int pauseMs);

  // Folder of the free-spin tune file; the media commands address
  // musicFolder + "/quovspin.midi". The desktop sets a per-user place.
  std::string musicFolder = "brelk-video-slots";
  // The offer pop-up, opened after every 25th losing spin of normal play.
  Screen popupquov;
  // Side screens opened from the cabinet: options, pay table, about.
  Screen quovoptions;
  Screen quovpays;
  Screen aboutquov;

  // Keeps the stored records up to date while the machine is idle.
  RecordKeeper records;

  // Whether jackpot time runs: from its start to the crediting of the prize.
  bool jackpotTime = false;

 private:
  void buildElements();
  void shutDown(bool closeRequest);
  void wireTimers();
  // Spin cycle internals.
  bool settle();           // true when the outcome was voided and a fresh spin is due
  void spinDown();         // the reels' spin-down animation
  void evaluateOutcome();  // scatter and line pays
  void present();          // the presentation after the animation
  void meterStep();        // the jackpot meters grow with every kept outcome
  void awardFreeSpins();   // three or more scatters
  void seriesStep();       // the free-spin series goes on or ends
  void startJackpotTime();
  void reelChain();
  bool respinDue_ = false;  // the settlement voided the outcome
  // Gamble: the amount taken from the credit when the panel opened, and
  // whether a bet runs (card reveal to result); other gamble presses are
  // ignored meanwhile.
  std::int32_t gamblestake_ = 0;
  bool betRunning_ = false;
  void gambleBet(const GambleGuess& guess);  // a colour or suit bet, card reveal to result
  // Jackpot time internals.
  void moveBall(int cell);
  void payOutJackpot();
  void endJackpotShow();
};

}  // namespace quov
