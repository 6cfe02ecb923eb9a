#include "engine/quov.h"

#include "engine/checked.h"
#include "engine/money.h"
#include "engine/timing.h"

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
      tmrbell(platform.loop.scheduler(), "tmrbell", timing::kBell, false),
      tmrdecidejackpot(platform.loop.scheduler(), "tmrdecidejackpot", timing::kDecideJackpot,
                       false),
      tmrshowjackpot(platform.loop.scheduler(), "tmrshowjackpot", timing::kShowJackpot, false),
      tmrautospin(platform.loop.scheduler(), "tmrautospin", timing::kAutospin, false),
      tmrshowbuttons(platform.loop.scheduler(), "tmrshowbuttons", timing::kShowButtons, true),
      tmrlineflash(platform.loop.scheduler(), "tmrlineflash", timing::kLineFlash, false) {
  buildElements();
  wireTimers();
  quovoptions.name = "quovoptions";
  quovpays.name = "quovpays";
  aboutquov.name = "aboutquov";
}

void Quov::wireTimers() {
  tmrtick.onTick = [this] { tmrtick_tick(); };
  Timerrespin.onTick = [this] { Timerrespin_tick(); };
  Timerscatters.onTick = [this] { Timerscatters_tick(); };
  Timer4.onTick = [this] { Timer4_tick(); };
  timerwild.onTick = [this] { timerwild_tick(); };
  Timerwincounter.onTick = [this] { Timerwincounter_tick(); };
  tmrbell.onTick = [this] { tmrbell_tick(); };
  tmrdecidejackpot.onTick = [this] { tmrdecidejackpot_tick(); };
  tmrshowjackpot.onTick = [this] { tmrshowjackpot_tick(); };
  tmrautospin.onTick = [this] { tmrautospin_tick(); };
  tmrshowbuttons.onTick = [this] { tmrshowbuttons_tick(); };
  tmrlineflash.onTick = [this] { tmrlineflash_tick(); };
}

std::int16_t Quov::totalBet() const {
  std::int16_t t = 0;
  assign(t, static_cast<long long>(betperline) * linesplayed);
  return t;
}

void Quov::setBetPerLineFromLevel() {
  constexpr std::int16_t kBetPerLine[7] = {0, 1, 2, 3, 5, 10, 20};
  if (betlevel >= 1 && betlevel <= 6) betperline = kBetPerLine[betlevel];
}

void Quov::playClip(int id, ClipMode mode) {
  if (m.soundonoff == -1) playClipAlways(id, mode);
}

void Quov::playClipAlways(int id, ClipMode mode) {
  // A clip that was never loaded is simply not heard.
  if (Bytes* clip = clips.slot(id)) p.sound.playClip(id, clip, mode);
}

void Quov::stopSounds() { p.sound.playClip(0, nullptr, ClipMode::Stop); }

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

}  // namespace quov
