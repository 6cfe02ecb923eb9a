// Start-up and shut-down of the main screen: the clips and the tune file,
// the player's records, the floors and the bet and line selectors.
#include "engine/money.h"
#include "engine/quov.h"
#include "engine/rules/jackpot.h"
#include "records/player_records.h"

namespace quov {

namespace {

std::string tuneFile(const std::string& folder) { return folder + "/quovspin.midi"; }

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

void Quov::Form_Load() {
  for (std::size_t i = 0; i < kClipIds.size(); ++i)
    clips.slots[i] = p.resources.load("WAVE", clipResourceName(kClipIds[i]));

  p.files.createFolder(musicFolder);
  const Bytes tune = p.resources.load("MIDI", "1");
  if (!tune.empty()) p.files.writeFile(tuneFile(musicFolder), tune);

  m.playerslot = "1";
  startupLoad(p.store, m);
  screen.caption = "Current Player       " + m.currentplayer;
  showCredit();

  if (m.grand < kGrandFloor) m.grand = kGrandFloor;
  lblgrand.setCaption(moneyText(m.grand));
  if (m.major < kMajorFloor) m.major = kMajorFloor;
  lblmajor.setCaption(moneyText(m.major));
  if (m.minor < kMinorFloor) m.minor = kMinorFloor;
  lblminor.setCaption(moneyText(m.minor));

  screen.visible = true;
  if (m.machinepay == 0) m.machinepay = 4;
  if (m.reelspeed < 1) m.reelspeed = 1;
  repairOptions(m);

  linesplayed = 25;
  betperline = 1;
  betlevel = 1;
  lblbet.setCaption("1");
  lbllines.setCaption("25");
  lbltotallast.setCaption(moneyText(totalBet()));
  // The win meter and the last bet start showing nothing won yet.
  lbllast.setCaption(plainCents(totalBet()));
  LABWIN.setCaption("0");
  lblwin.setCaption(moneyText(0));

  for (loopc = 1; loopc <= linesplayed; ++loopc) {
    lin[loopc].setPicture(ImageListId::Linepics, loopc);
    lin[loopc].disable();
  }
  for (; loopc <= 25; ++loopc) lin[loopc].setPicture(ImageListId::Linepics, loopc + 25);
  lin[26].setPicture(ImageListId::Linepics, 1);

  setInputAllowed(true);
  records.remember(m);
  playClip(112);
}

void Quov::Form_Activate(int displayWidthTwips, int displayHeightTwips) {
  screen.left = displayWidthTwips / 2 - screen.width / 2;
  screen.top = displayHeightTwips / 2 - screen.height / 2;
}

void Quov::shutDown(bool closeRequest) {
  p.sound.mediaCommand("close quovspin");
  p.files.deleteFile(tuneFile(musicFolder));
  p.files.removeFolder(musicFolder);
  yield();
  playClipAlways(130);
  exitSave(p.store, m);
  if (closeRequest) {
    tmrlineflash.disable();
    Timerscatters.disable();
    timerwild.disable();
    Timer4.disable();
    tmrautospin.disable();
    Timerwincounter.disable();
  }
  p.loop.endProgram();
}

void Quov::Form_QueryUnload() { shutDown(true); }
void Quov::xit_click() { shutDown(false); }

}  // namespace quov
