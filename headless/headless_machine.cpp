#include "headless/headless_machine.h"

#include "cabinet/startup.h"
#include "engine/jackpot.h"
#include "engine/spin_cycle.h"

namespace quov {

HeadlessMachine::HeadlessMachine(std::uint64_t seed)
    : platform(seed), cabinet(platform.services, mod) {}

void HeadlessMachine::start() {
  cabinet.startup().Form_Load();
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

bool HeadlessMachine::jackpotTime() { return engine.jackpot().running(); }

bool HeadlessMachine::settle(Millis limit) {
  return runUntil(
      [this] {
        return quov.inputAllowed() && quov.tmrtick.enabled() && quov.freespinmode == 0 &&
               !quov.Timerrespin.enabled() && !quov.Timerwincounter.enabled() && !jackpotTime();
      },
      limit);
}

void HeadlessMachine::pressSpin() { engine.spinCycle().btnstartall_click(); }

bool HeadlessMachine::click(Element& e) {
  if (!e.shownOnScreen() || !e.enabledOnScreen()) return false;
  quov.screen.press(e);
  return true;
}

bool HeadlessMachine::keepAutoplaying(const std::function<void()>& beforeSwitchingOn) {
  if (cabinet.popupquov.screen.visible) {
    cabinet.popupquov.screen.visible = false;
    quov.screen.visible = true;
  }
  if (quov.autoplaymode != 0 || !quov.tmrtick.enabled()) return true;
  if (beforeSwitchingOn) beforeSwitchingOn();
  // The first press may only show the autoplay notice.
  for (int press = 0; press < 3 && quov.autoplaymode == 0; ++press)
    if (!click(quov.autoplayon)) return false;
  return quov.autoplaymode != 0;
}

void HeadlessMachine::key(NamedKey named) {
  int character = 0;
  if (named == NamedKey::Escape) character = 27;
  if (named == NamedKey::Enter) character = 13;
  quov.screen.keyDown({character, named});
}

void HeadlessMachine::scriptSpin(std::initializer_list<int> stops, int jackpotdraw) {
  platform.random.push(jackpotdraw);
  platform.random.push(stops);
}

}  // namespace quov
