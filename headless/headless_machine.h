// A whole machine on the headless platform, for tests, tools and the demo:
// start it, press its controls, let virtual time pass, read what it shows
// and script the random draws.
#pragma once

#include <cstdint>
#include <functional>

#include "cabinet/cabinet.h"
#include "headless/headless_platform.h"
#include "mainscreen/modquov.h"

namespace quov {

class HeadlessMachine {
 public:
  explicit HeadlessMachine(std::uint64_t seed = 20261209);

  HeadlessPlatform platform;
  Modquov mod;
  Cabinet cabinet;
  Quov& quov = cabinet.quov;
  Engine& engine = cabinet.engine;

  // Runs the load handler, as the program's start does.
  void start();

  Millis now() const { return platform.loop.scheduler().now(); }
  // Lets `ms` of idle time pass, ticking timers as they fall due.
  void advance(Millis ms);
  // Steps idle time in `step` slices until `done` holds; false when it did
  // not within `limit`.
  bool runUntil(const std::function<bool()>& done, Millis limit, Millis step = 10);
  // Waits until the machine is idle: no spin running, input allowed, no
  // series, roll-up or jackpot time pending.
  bool settle(Millis limit = 120000);

  // Forces the next draws: a jackpot draw that starts no jackpot time, then
  // the five stops (a held reel takes no draw: leave it out).
  void scriptSpin(std::initializer_list<int> stops, int jackpotdraw = 2);
  void scriptDraws(std::initializer_list<int> draws) { platform.random.push(draws); }

  // The spin press, as the spin button's click delivers it.
  void pressSpin();
  // A mouse click on an element, as the window delivers it: nothing happens
  // when the element is hidden or disabled. Returns whether it was delivered.
  bool click(Element& e);
  // Autoplay kept going as a player keeps it: the offer, which stops it,
  // is closed, and once the machine is idle autoplay is switched on again,
  // after `beforeSwitchingOn` (inserting credit, say). False when it could
  // not be switched on.
  bool keepAutoplaying(const std::function<void()>& beforeSwitchingOn = {});
  // A key press with its character code (32 = space), as the keyboard
  // delivers it: a control's key works its control, any other reaches the
  // main screen's key handler.
  void key(int keyAscii) { quov.screen.keyDown({keyAscii}); }
  // One of the named keys (Escape, Enter, the arrows).
  void key(NamedKey named);
  // Whether jackpot time runs.
  bool jackpotTime();
};

}  // namespace quov
