#include "engine/headless_machine.h"

#include "cabinet/input.h"

namespace quov {

HeadlessMachine::HeadlessMachine(std::uint64_t seed) : platform(seed), quov(platform.services, mod) {}

void HeadlessMachine::start() {
  quov.Form_Load();
  quov.screen.visible = true;
}

void HeadlessMachine::advance(Millis ms) { platform.loop.runUntil(now() + ms); }

bool HeadlessMachine::runUntil(const std::function<bool()>& done, Millis limit, Millis step) {
  const Millis end = now() + limit;
  while (!done()) {
    if (now() >= end) return false;
    advance(step);
  }
  return true;
}

bool HeadlessMachine::settle(Millis limit) {
  return runUntil(
      [this] {
        return quov.inputAllowed() && quov.tmrtick.enabled() && quov.freespinmode == 0 &&
               !quov.Timerrespin.enabled() && !quov.Timerwincounter.enabled() &&
               !quov.jackpotTime;
      },
      limit);
}

bool HeadlessMachine::click(Element& e) {
  if (!e.shownOnScreen() || !e.enabledOnScreen()) return false;
  input::mouseDown(quov, e);
  input::mouseUp(quov, e);
  input::click(quov, e);
  return true;
}

void HeadlessMachine::key(int keyAscii) { input::keyPress(quov, keyAscii); }

void HeadlessMachine::scriptSpin(std::initializer_list<int> stops, int jackpotdraw) {
  platform.random.push(jackpotdraw);
  platform.random.push(stops);
}

}  // namespace quov
