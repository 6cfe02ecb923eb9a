#include "records/options_screen.h"

#include "mainscreen/quov.h"
#include "records/player_records.h"

namespace quov {

namespace {

constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }

constexpr int kEnterKey = 13;
constexpr int kLongestName = 12;  // characters as the player sees them
constexpr const char* kMessageTitle = "Slots_quov";

// The option buttons' values, by element index.
constexpr std::int16_t kPayoutByIndex[3] = {4, 3, 1};
constexpr std::int16_t kSpeedByIndex[5] = {1, 2, 4, 8, 10};

// The titles of a statistics label: before its value, and alone when no
// game has been played yet, as the screen's load and the slot choice write
// them. A null title alone means that writer leaves the label as it is.
struct StatLabel {
  Element QuovOptions::*label;
  long long (*value)(const Modquov&);
  const char* withValue;
  const char* aloneAtLoad;
  const char* aloneForSlot;
  bool jackpots;  // a count of jackpots won: a deleted slot shows the title alone
};

// `lblreturned` comes apart: its value is a percentage of the wager.
constexpr StatLabel kStatLabels[] = {
    {&QuovOptions::lblgames, [](const Modquov& m) -> long long { return m.games; },
     "Games Played            ", "Games Played      ", "Games Played          ", false},
    {&QuovOptions::lblwager, [](const Modquov& m) -> long long { return m.wager; },
     "Total Wagered           ", "Total Wagered     ", "Total Wagered         ", false},
    {&QuovOptions::lbltotalwon, [](const Modquov& m) -> long long { return m.total; },
     "Total Won                   ", "Total Won      ", "Total Won          ", false},
    {&QuovOptions::lblwinlose,
     [](const Modquov& m) -> long long { return static_cast<long long>(m.total) - m.wager; },
     "Winning/Losing ", "Winning/Losing     ", "Winning/Losing      ", false},
    {&QuovOptions::lblinvested, [](const Modquov& m) -> long long { return m.amountinvested; },
     "Total Invested             ", "Total Invested      ", "Total Invested     ", false},
    {&QuovOptions::lblgrandwon, [](const Modquov& m) -> long long { return m.grandwon; },
     "Grand Jackpots Won     ", "Grand Jackpots Won     ", "Grand Jackpots Won     ", true},
    {&QuovOptions::lblmajorwon, [](const Modquov& m) -> long long { return m.majorwon; },
     "Major jackpots Won     ", "Major jackpots Won     ", "Major jackpots Won     ", true},
    {&QuovOptions::lblminorwon, [](const Modquov& m) -> long long { return m.minorwon; },
     "Minor Jackpots Won     ", "Minor Jackpots Won     ", "Minor Jackpots Won     ", true},
    {&QuovOptions::lblfreespins, [](const Modquov& m) -> long long { return m.howmanyspins; },
     "Freespins Won     ", "Freespins Won     ", nullptr, false},
};
constexpr const char* kReturnedWithValue = "Returned To Player     % ";
constexpr const char* kReturnedAtLoad = "Returned To Player     ";
constexpr const char* kReturnedForSlot = "Returned To Player ";

// The title before the player's name, by the handler that writes it.
constexpr const char* kPlayerAtLoad = "Current Player    ";
constexpr const char* kPlayerForSlot = "Current Player   ";
constexpr const char* kPlayerNamed = "Current Player  ";

std::string withValue(const StatLabel& row, const Modquov& m) {
  return row.withValue + std::to_string(row.value(m));
}

// The whole percentage of the wager returned as wins, rounded down. Worked
// in whole numbers, so 29 won of 100 wagered reads 29, not 28.
long long returnedPercent(std::int32_t total, std::int32_t wager) {
  const long long x = static_cast<long long>(total) * 100;
  long long q = x / wager;
  if ((x % wager != 0) && ((x < 0) != (wager < 0))) --q;
  return q;
}

}  // namespace

QuovOptions::QuovOptions(Quov& main) : q(main) {
  buildElements();
  routeInput();
}

void QuovOptions::buildElements() {
  Screen& s = screen;
  s.name = "quovoptions";
  s.caption = "Quov Options";
  s.width = px(640);
  s.height = px(440);
  using K = ElementKind;
  s.add(Framemain, "Framemain", K::Frame, px(8), px(6), px(624), px(426)).caption = "Quov Options";
  Element* f = &Framemain;

  // The six slots in two columns, then the name entry and the two buttons.
  for (int k = 1; k <= 6; ++k)
    s.add(machine[k], "machine", K::OptionButton, px(16 + (k - 1) / 3 * 146),
          px(30 + (k - 1) % 3 * 28), px(140), px(24), f, k);
  // Narrower than the caption on one line: its run of blanks breaks it in two.
  s.add(lblplayername, "lblplayername", K::Label, px(16), px(118), px(210), px(38), f).caption =
      "Input Players Name                                    Then Enter";
  s.add(player1, "player1", K::TextBox, px(16), px(158), px(288), px(28), f).toolTip =
      "Enter your name then press ENTER on your keyboard";
  s.add(btnokplayer, "btnokplayer", K::CommandButton, px(16), px(200), px(136), px(32), f)
      .caption = "OK";
  s.add(Btndeletedetails, "Btndeletedetails", K::CommandButton, px(162), px(200), px(142), px(32),
        f)
      .caption = "Delete Details";

  // The statistics, one under the other.
  s.add(lblcurrentplayer, "lblcurrentplayer", K::Label, px(324), px(28), px(290), px(22), f);
  Element* stats[] = {&lblgames,    &lblwager,    &lbltotalwon, &lblwinlose,  &lblreturned,
                      &lblinvested, &lblgrandwon, &lblmajorwon, &lblminorwon, &lblfreespins};
  const char* statNames[] = {"lblgames",    "lblwager",    "lbltotalwon", "lblwinlose",
                             "lblreturned", "lblinvested", "lblgrandwon", "lblmajorwon",
                             "lblminorwon", "lblfreespins"};
  for (int i = 0; i < 10; ++i)
    s.add(*stats[i], statNames[i], K::Label, px(324), px(54 + i * 20), px(290), px(20), f);
  s.add(Label1, "Label1", K::Label, px(324), px(256), px(290), px(36), f).caption =
      "    Total won does not include any funds from jackpots.";

  // The options along the bottom.
  s.add(soundonof, "soundonof", K::Frame, px(16), px(302), px(122), px(112), f).caption =
      "toggle sound";
  const char* soundCaptions[3] = {"", " ON", " OFF"};
  for (int i = 1; i <= 2; ++i)
    s.add(sounds[i], "sounds", K::OptionButton, px(14), px(6 + i * 26), px(96), px(24), &soundonof,
          i)
        .caption = soundCaptions[i];
  s.add(payout, "payout", K::Frame, px(146), px(302), px(170), px(112), f).caption = "Payout %";
  const char* payoutCaptions[3] = {"Realistic", "Loose", "Dream Machine !!"};
  for (int i = 0; i <= 2; ++i)
    s.add(Amtpayout[i], "Amtpayout", K::OptionButton, px(14), px(26 + i * 26), px(150), px(24),
          &payout, i)
        .caption = payoutCaptions[i];
  s.add(Framespeed, "Framespeed", K::Frame, px(326), px(302), px(288), px(112), f).caption =
      "Reel Speed";
  for (int i = 0; i <= 4; ++i)
    s.add(setspeed[i], "setspeed", K::OptionButton, px(16 + i * 54), px(28), px(48), px(24),
          &Framespeed, i)
        .caption = std::to_string(i + 1);
  s.add(fastslow, "fastslow", K::Label, px(14), px(56), px(262), px(20), &Framespeed).caption =
      "<<<Faster                       Slower>>>";
  s.add(speedlab, "speedlab", K::Label, px(14), px(80), px(262), px(22), &Framespeed);
}

void QuovOptions::routeInput() {
  InputRoutes& r = screen.routes;
  for (int k = 1; k <= 6; ++k) r[machine[k]].click = [this, k] { machine_click(k); };
  r[player1].keyPress = [this](int& keyAscii) { player1_KeyPress(keyAscii); };
  r[btnokplayer].click = [this] { btnokplayer_click(); };
  r[Btndeletedetails].click = [this] { Btndeletedetails_click(); };
  for (int i = 0; i <= 2; ++i) r[Amtpayout[i]].click = [this, i] { Amtpayout_click(i); };
  for (int i = 0; i <= 4; ++i) r[setspeed[i]].click = [this, i] { setspeed_click(i); };
  for (int i = 1; i <= 2; ++i) r[sounds[i]].click = [this, i] { sounds_click(i); };
  r.activate = [this] { Form_Activate(); };
  r.closeRequest = [this] { Form_Unload(); };
}

// ---- Helpers ------------------------------------------------------------------

std::string QuovOptions::slotCaption(const std::string& name) {
  return name.empty() ? "Vacant" : q.p.text.upper(name);
}

void QuovOptions::showPlayer(const char* title) {
  lblcurrentplayer.setCaption(title + q.p.text.upper(q.m.currentplayer));
}

void QuovOptions::showMainCaption() {
  q.screen.caption = "Current Player       " + q.p.text.upper(q.m.currentplayer);
}

void QuovOptions::showStatistics(Writer writer) {
  const Modquov& m = q.m;
  const bool atLoad = writer == Writer::ScreenLoad;
  if (m.games != 0) {
    showPlayer(atLoad ? kPlayerAtLoad : kPlayerForSlot);
    for (const StatLabel& row : kStatLabels)
      if (atLoad || row.aloneForSlot)  // the slot choice leaves the free spins as they were
        (this->*row.label).setCaption(withValue(row, m));
    // Nothing wagered yet: there is no percentage, and the label keeps its text.
    if (m.wager != 0)
      lblreturned.setCaption(kReturnedWithValue +
                             std::to_string(returnedPercent(m.total, m.wager)));
    return;
  }
  for (const StatLabel& row : kStatLabels) {
    const char* title = atLoad ? row.aloneAtLoad : row.aloneForSlot;
    if (title) (this->*row.label).setCaption(title);
  }
  lblreturned.setCaption(atLoad ? kReturnedAtLoad : kReturnedForSlot);
  showPlayer(kPlayerAtLoad);
}

// Selects the option buttons that match the stored options; a value that
// matches none leaves them as they are.
void QuovOptions::selectOptionsOf(bool speed, bool payoutToo, bool sound) {
  const Modquov& m = q.m;
  if (payoutToo)
    for (int i = 0; i <= 2; ++i)
      if (m.machinepay == kPayoutByIndex[i]) screen.select(Amtpayout[i]);
  if (speed)
    for (int i = 0; i <= 4; ++i)
      if (m.reelspeed == kSpeedByIndex[i]) screen.select(setspeed[i]);
  if (sound) {
    if (m.soundonoff == -1) screen.select(sounds[1]);
    if (m.soundonoff == 0) screen.select(sounds[2]);
  }
}

void QuovOptions::giveMainScreenBack() {
  q.screen.enabled = true;
  q.screen.visible = true;
  q.hideCellFrames();
  if (q.m.reelspeed == 0) q.m.reelspeed = 1;
}

// ---- Handlers -----------------------------------------------------------------

void QuovOptions::Form_Load() {
  Modquov& m = q.m;
  screen.visible = true;
  slotSave(q.p.store, m);
  for (int k = 1; k <= 6; ++k) {
    m.currentplayer = slotName(q.p.store, k);
    machine[k].setCaption(slotCaption(m.currentplayer));
  }
  if (const int k = slotNumber(m.playerslot)) screen.select(machine[k]);  // reloads the slot
  selectOptionsOf(true, true, true);
  showStatistics(Writer::ScreenLoad);
}

void QuovOptions::Form_Activate() {
  screen.left = (q.p.display.widthTwips() - screen.width) / 2;
  screen.top = (q.p.display.heightTwips() - screen.height) / 2;
}

void QuovOptions::machine_click(int k) {
  Modquov& m = q.m;
  m.playerslot = std::to_string(k);
  slotLoad(q.p.store, m, k);
  screen.setFocus(player1);
  q.yield();
  showPlayer(kPlayerForSlot);
  q.showCredit();
  showMainCaption();
  machine[k].setCaption(slotCaption(m.currentplayer));
  showStatistics(Writer::SlotChosen);
  selectOptionsOf(true, true, false);
}

void QuovOptions::player1_KeyPress(int& keyAscii) {
  if (keyAscii != kEnterKey) return;
  keyAscii = 0;
  Modquov& m = q.m;
  const std::string typed = player1.caption;
  const bool empty = typed.empty();
  if (empty || q.p.text.length(typed) > kLongestName) {
    q.p.messages.show(empty ? "Nothing Entered" : "Name Too Long", kMessageTitle,
                      MsgIcon::Information, MsgButtons::Ok);
    player1.setCaption("");
    showPlayer(kPlayerNamed);
    return;
  }
  m.currentplayer = typed;
  player1.setCaption("");
  showPlayer(kPlayerNamed);
  q.showCredit();
  showMainCaption();
  if (const int k = slotNumber(m.playerslot)) machine[k].setCaption(slotCaption(m.currentplayer));
  slotSave(q.p.store, m);
}

void QuovOptions::btnokplayer_click() {
  slotSave(q.p.store, q.m);
  player1.setCaption("");
  giveMainScreenBack();
  Form_Unload();
}

void QuovOptions::Btndeletedetails_click() {
  const MsgAnswer answer = q.p.messages.show(
      "Are you sure you want to Delete Current Player's Details ?", kMessageTitle,
      MsgIcon::Critical, MsgButtons::YesNo, /*defaultNo=*/true);
  if (answer == MsgAnswer::Yes) {
    // The name, the jackpot prizes paid, the sound, the speed and the meters stay.
    Modquov& m = q.m;
    m.machinepay = 4;
    m.amountinvested = m.games = m.wager = m.total = m.bank = 0;
    m.howmanyspins = 0;
    m.grandwon = m.majorwon = m.minorwon = 0;
    slotSave(q.p.store, m);
    showPlayer(kPlayerForSlot);
    for (const StatLabel& row : kStatLabels)
      (this->*row.label).setCaption(row.jackpots ? std::string(row.withValue) : withValue(row, m));
    lblreturned.setCaption(kReturnedWithValue);
    q.Lblcredit.setCaption("");
    q.panelbank.setCaption("");
  }
  Form_Unload();
}

void QuovOptions::Form_Unload() {
  q.screen.enabled = true;
  q.hideCellFrames();
  q.doublebutton.disable();  // a win waiting to be gambled is given up
  if (q.m.reelspeed == 0) q.m.reelspeed = 1;
  closeSave(q.p.store, q.m);
  player1.setCaption("");
  giveMainScreenBack();
  screen.visible = false;
}

void QuovOptions::Amtpayout_click(int i) { q.m.machinepay = kPayoutByIndex[i]; }

void QuovOptions::setspeed_click(int i) {
  q.m.reelspeed = kSpeedByIndex[i];
  speedlab.setCaption("Current Speed =   " + std::to_string(i + 1));
}

void QuovOptions::sounds_click(int i) { q.m.soundonoff = i == 1 ? -1 : 0; }

}  // namespace quov
