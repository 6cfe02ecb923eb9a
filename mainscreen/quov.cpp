#include "mainscreen/quov.h"

#include "mainscreen/timing.h"
#include "rules/bets.h"
#include "rules/checked.h"
#include "rules/money.h"

namespace quov {

Quov::Quov(Platform& platform, Modquov& module)
    : p(platform),
      m(module),
      tmrtick(platform.loop.scheduler(), "tmrtick", timing::kTick, true),
      Timerrespin(platform.loop.scheduler(), "Timerrespin", timing::kRespin, false),
      Timerscatters(platform.loop.scheduler(), "Timerscatters", timing::kScatters, false),
      Timer4(platform.loop.scheduler(), "Timer4", timing::kWildAnimation, false),
      timerwild(platform.loop.scheduler(), "timerwild", timing::kWildAnimation, false),
      Timerwincounter(platform.loop.scheduler(), "Timerwincounter", timing::kWinCounter, false),
      tmrautospin(platform.loop.scheduler(), "tmrautospin", timing::kAutospin, false),
      tmrshowbuttons(platform.loop.scheduler(), "tmrshowbuttons", timing::kShowButtons, true),
      tmrlineflash(platform.loop.scheduler(), "tmrlineflash", timing::kLineFlash, false) {
  buildElements();
}

std::int16_t Quov::totalBet() const {
  std::int16_t t = 0;
  assign(t, static_cast<long long>(betperline) * linesplayed);
  return t;
}

void Quov::setBetPerLineFromLevel() {
  if (const std::int16_t bet = betPerLine(betlevel)) betperline = bet;
}

void Quov::showCredit() {
  panelbank.setCaption(plainCents(m.bank));
  Lblcredit.setCaption(moneyText(m.bank));
}

void Quov::showWinMeter(long long labwinCents, long long lblwinCents) {
  LABWIN.setCaption(plainCents(labwinCents));
  lblwin.setCaption(moneyText(lblwinCents));
}

void Quov::slide(Element& e, int fromLeft, int fromTop, int toLeft, int toTop, int frames,
                 int pauseMs) {
  for (int f = 0; f < frames; ++f) {
    const int last = frames > 1 ? frames - 1 : 1;
    e.show();
    e.move(fromLeft + (toLeft - fromLeft) * f / last, fromTop + (toTop - fromTop) * f / last);
    sleep(pauseMs);
  }
}

void Quov::hideCellFrames() {
  for (int n = 1; n <= 15; ++n) flasher[n].hide();
}

}  // namespace quov
