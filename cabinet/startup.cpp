// Start-up and shut-down of the main screen: the clips and the tune file,
// the player's records, the floors and the bet and line selectors.
#include "cabinet/startup.h"

#include "cabinet/controls.h"
#include "mainscreen/quov.h"
#include "records/player_records.h"
#include "records/record_keeper.h"
#include "rules/bets.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "sound/sounds.h"

namespace quov {

namespace {

// Stored options the options screen never produces are brought back to
// values the machine can play: the payout setting to the default 4 (a
// negative one would draw outside 1..m), the reel speed to the fastest.
void repairOptions(Modquov& m) {
  if (m.machinepay != 1 && m.machinepay != 3 && m.machinepay != 4) m.machinepay = 4;
  switch (m.reelspeed) {
    case 1: case 2: case 4: case 8: case 10: break;
    default: m.reelspeed = 1;
  }
}

}  // namespace

void Startup::Form_Load() {
  Modquov& m = q.m;
  sounds.load();
  sounds.writeTune();

  m.playerslot = "1";
  startupLoad(q.p.store, m);
  // A series the last run did not finish goes on, at the bet it was won with.
  const std::optional<SeriesRecord> series = records.storedSeries();
  q.screen.caption = "Current Player       ";
  q.screen.caption += m.currentplayer;
  q.showCredit();

  if (m.grand < kGrandFloor) m.grand = kGrandFloor;
  q.lblgrand.setCaption(moneyText(m.grand));
  if (m.major < kMajorFloor) m.major = kMajorFloor;
  q.lblmajor.setCaption(moneyText(m.major));
  if (m.minor < kMinorFloor) m.minor = kMinorFloor;
  q.lblminor.setCaption(moneyText(m.minor));

  q.screen.visible = true;
  if (m.machinepay == 0) m.machinepay = 4;
  if (m.reelspeed < 1) m.reelspeed = 1;
  repairOptions(m);

  q.linesplayed = series ? series->linesplayed : std::int16_t{25};
  q.betlevel = series ? series->betlevel : std::int16_t{1};
  q.betperline = betPerLine(q.betlevel);
  if (series) controls.stepLinesFrom(q.linesplayed);
  q.lblbet.setCaption(std::to_string(q.betperline));
  q.lbllines.setCaption(std::to_string(q.linesplayed));
  q.lbltotallast.setCaption(moneyText(q.totalBet()));
  // The win meter and the last bet start showing nothing won yet.
  q.lbllast.setCaption(plainCents(q.totalBet()));
  q.LABWIN.setCaption("0");
  q.lblwin.setCaption(moneyText(0));

  for (q.loopc = 1; q.loopc <= q.linesplayed; ++q.loopc) {
    q.lin[q.loopc].setPicture(ImageListId::Linepics, q.loopc);
    q.lin[q.loopc].disable();
  }
  for (; q.loopc <= 25; ++q.loopc) q.lin[q.loopc].setPicture(ImageListId::Linepics, q.loopc + 25);
  q.lin[26].setPicture(ImageListId::Linepics, 1);

  q.setInputAllowed(true);
  if (series) records.resume(*series);
  records.remember();
  sounds.play(Clip::Welcome);
}

void Startup::Form_Activate(int displayWidthTwips, int displayHeightTwips) {
  q.screen.left = displayWidthTwips / 2 - q.screen.width / 2;
  q.screen.top = displayHeightTwips / 2 - q.screen.height / 2;
}

void Startup::shutDown(bool closeRequest) {
  if (shuttingDown_) return;
  shuttingDown_ = true;
  sounds.closeTune();
  sounds.removeTune();
  q.yield();
  sounds.playAlways(Clip::Click);
  records.saveAtExit();
  if (closeRequest) {
    q.tmrlineflash.disable();
    q.Timerscatters.disable();
    q.timerwild.disable();
    q.Timer4.disable();
    q.tmrautospin.disable();
    q.Timerwincounter.disable();
  }
  q.p.loop.endProgram();
}

void Startup::Form_QueryUnload() { shutDown(true); }
void Startup::xit_click() { shutDown(false); }

}  // namespace quov
