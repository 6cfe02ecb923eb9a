#include "cabinet/cabinet.h"

#include "cabinet/announcer.h"
#include "cabinet/control_keys.h"
#include "cabinet/controls.h"
#include "cabinet/menu.h"
#include "cabinet/startup.h"
#include "engine/free_spins.h"
#include "engine/gamble.h"
#include "engine/spin_cycle.h"
#include "engine/wild_animations.h"
#include "engine/win_meter.h"
#include "presentation/line_flash.h"
#include "presentation/paylines.h"
#include "records/game_recorder.h"
#include "records/record_keeper.h"
#include "records/save_notice.h"

namespace quov {

Cabinet::Cabinet(Platform& platform, Modquov& module)
    : quov(platform, module),
      sounds(platform, module),
      engine(quov, sounds),
      historyMeters(platform.history),
      quovoptions(quov, historyMeters),
      quovpays(quov),
      aboutquov(quov, projectLinks),
      popupquov(quov, projectLinks),
      quovrecall(quov, sounds, engine.gamble()),
      quovhelp(quov),
      paylines_(std::make_unique<Paylines>(quov)),
      lineFlash_(std::make_unique<LineFlash>(quov, *paylines_)),
      recorder_(std::make_unique<GameRecorder>(engine, platform.history, historyMeters)),
      records_(std::make_unique<RecordKeeper>(engine, *recorder_)),
      controls_(std::make_unique<Controls>(quov, sounds, engine.spinCycle())),
      menu_(std::make_unique<Menu>(quov, sounds, *paylines_, quovoptions, quovpays, aboutquov,
                                   quovhelp, engine.gamble())),
      keys_(std::make_unique<ControlKeys>(quov)),
      announcer_(std::make_unique<Announcer>(quov, *recorder_)),
      startup_(std::make_unique<Startup>(quov, sounds, *records_, *controls_)),
      saveNotice_(std::make_unique<SaveNotice>(quov)) {
  bindTimers();
  routeInput();
  installHooks();
}

Cabinet::~Cabinet() = default;

void Cabinet::bindTimers() {
  Quov& q = quov;
  SpinCycle& spin = engine.spinCycle();
  WildAnimations& wilds = engine.wildAnimations();
  q.tmrtick.onTick = [&spin] { spin.tmrtick_tick(); };
  q.Timerrespin.onTick = [&spin] { spin.Timerrespin_tick(); };
  q.Timerscatters.onTick = [this] { engine.freeSpins().Timerscatters_tick(); };
  q.Timer4.onTick = [&wilds] { wilds.Timer4_tick(); };
  q.timerwild.onTick = [&wilds] { wilds.timerwild_tick(); };
  q.Timerwincounter.onTick = [this] { engine.winMeter().Timerwincounter_tick(); };
  q.tmrautospin.onTick = [this] { controls_->tmrautospin_tick(); };
  q.tmrshowbuttons.onTick = [this] { menu_->tmrshowbuttons_tick(); };
  q.tmrlineflash.onTick = [this] { lineFlash_->tmrlineflash_tick(); };
}

void Cabinet::routeInput() {
  Quov& q = quov;
  InputRoutes& routes = q.screen.routes;
  SpinCycle& spin = engine.spinCycle();
  WinMeter& winMeter = engine.winMeter();
  Controls& controls = *controls_;
  Menu& menu = *menu_;
  Startup& startup = *startup_;

  routes[q.btnspin] = {{}, [&spin] { spin.btnspin_mouseup(); }, [&spin] { spin.btnspin_click(); },
                       {}};
  routes[q.coinsin] = {[&controls] { controls.coinsin_mousedown(); },
                       [&controls] { controls.coinsin_mouseup(); }, {}, {}};
  routes[q.btnbet] = {[&controls] { controls.btnbet_mousedown(); },
                      [&controls] { controls.btnbet_mouseup(); }, {}, {}};
  routes[q.payline] = {[&controls] { controls.payline_mousedown(); },
                       [&controls] { controls.payline_mouseup(); }, {}, {}};
  routes[q.autoplayon] = {[&controls] { controls.autoplayon_mousedown(); },
                          [&controls] { controls.autoplayon_mouseup(); }, {}, {}};
  routes[q.takewin].click = [&winMeter] { winMeter.takewin_click(); };

  engine.gamble().routeInput(routes);

  routes[q.btnoptions].click = [&menu] { menu.btnoptions_click(); };
  routes[q.btnopenmenu].mouseMove = [&menu] { menu.btnopenmenu_mousemove(); };
  routes[q.about].click = [&menu] { menu.about_click(); };
  routes[q.mnuviewpaytable].click = [&menu] { menu.mnuviewpaytable_click(); };
  routes[q.viewpaylines].click = [&menu] { menu.viewpaylines_click(); };
  routes[q.Btnreturn2game].click = [&menu] { menu.Btnreturn2game_click(); };
  routes[q.xit].click = [&startup] { startup.xit_click(); };
  routes.backgroundMove = [&menu] { menu.Form_MouseMove(); };
  routes[q.lastgames].click = [this] { quovrecall.lastgames_click(); };
  routes[q.mnuhelp].click = [&menu] { menu.mnuhelp_click(); };
  routes[q.mnucharts].click = [&menu] { menu.mnucharts_click(); };

  Paylines& paylines = *paylines_;
  for (int k = 1; k <= 26; ++k)
    routes[q.lin[k]].mouseMove = [&paylines, k] { paylines.lin_mousemove(k); };

  routes.keyPress = [&controls](int& keyAscii) { controls.Form_KeyPress(keyAscii); };
  routes.controlKey = [this](const KeyStroke& k) { return keys_->take(k); };
  keys_->writeToolTips();
  routes.closeRequest = [&startup] { startup.Form_QueryUnload(); };
}

void Cabinet::installHooks() {
  // The announcer hears each report first and hands it on to the history.
  quov.events = announcer_.get();
  // The records wait while the history has a game open, so that they never
  // count a game the history does not hold.
  quov.recordsSettled = [this] {
    recorder_->idle();
    records_->saveIfChanged();
    saveNotice_->follow(quov.p.store, quov.p.history);
  };
  quov.offerDue = [this] { popupquov.Form_Load(); };
}

}  // namespace quov
