// Jackpots: the three progressive meters' step with every kept outcome, and
// jackpot time, which a spin press starts instead of a spin once in 120: the
// board slides in, a lit ball runs around its sixteen cells, slows down and
// stops, and the cell's prize is shown and then credited.
#pragma once

#include <cstdint>

#include "platform/element.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace quov {

class Engine;
class Quov;
class Sounds;

struct JackpotState {
  std::int16_t jackpotdraw = 0;  // the 1..120 draw of the last spin press; 1 starts jackpot time
  std::int16_t bellcount = 0;    // idle ticks into jackpot time: the board's slide-in
  std::int16_t ballcell = 0, balllaps = 0, ballinterval = 0, balltarget = 0, ballslowing = 0;
  int ballleft = 0;
  std::int16_t balltop = 0;
  int betx10 = 0, betx20 = 0;
  std::int16_t betx30 = 0;
  std::int16_t jpframe = 0, jpball = 0, jpticks = 0;  // the prize show's counters
  // From the start of jackpot time to the crediting of its prize; no spin
  // can start meanwhile, so the meters cannot move under the prize.
  bool running = false;
};

// The jackpot board: the frame that slides in over the reels, the ball in
// its three colours, and the prize shown where the ball stopped. Jackpot
// time alone shows, moves and writes them.
struct JackpotBoard {
  Element jackpotframe;   // the board, above the screen until it slides in
  Element jackpotpicture;  // a meter prize's picture
  Element lbljackpotwon;   // a bet multiple's caption
  Element jackpotball11, jackpotball21, jackpotball31;  // the ball in its three colours

  // Names and places the board's elements, hidden, and puts them on
  // `screen` just beneath `above`.
  void place(Screen& screen, const Element& above);
};

class Jackpot {
 public:
  // Puts the board on the main screen, beneath the menu panel, and its
  // timers among the main screen's, before the autoplay timer.
  explicit Jackpot(Engine& engine);

  // The meters grow with every kept outcome, free spins included.
  void meterStep();
  // Every spin press draws 1 in 120 first; the draw that hits starts
  // jackpot time instead of a spin. True when it did.
  bool drawJackpotTime();
  // One tick of the idle ticker: the board's slide-in counts them.
  void idleTick();
  void tmrbell_tick();
  void tmrdecidejackpot_tick();
  void tmrshowjackpot_tick();

  // From the start of jackpot time to the crediting of its prize.
  bool running() const { return state_.running; }
  // The ball's run and the prize, as they stand (read by the history and
  // the tests).
  const JackpotState& state() const { return state_; }

  JackpotBoard board;
  // The board's slide-in, the ball's steps, the prize show.
  Timer tmrbell, tmrdecidejackpot, tmrshowjackpot;

 private:
  void start();
  void moveBall(int cell);
  void payOut();
  void endShow();
  Engine& engine;
  Quov& q;
  Sounds& sounds;
  JackpotState state_;
};

}  // namespace quov
