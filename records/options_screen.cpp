#include "records/options_screen.h"

#include "mainscreen/quov.h"
#include "records/history_meters.h"
#include "records/player_records.h"
#include "records/return_texts.h"
#include "rules/built_return_table.h"
#include "rules/money.h"
#include "rules/throttle.h"

namespace quov {

namespace {

constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }

constexpr int kEnterKey = 13;
constexpr int kLongestName = 12;  // characters as the player sees them
constexpr const char* kMessageTitle = "Slots_quov";
// The history frame's rows: the meters, then the returns.
constexpr int kHistoryMeters = 5;

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

QuovOptions::QuovOptions(Quov& main, HistoryMeters& history) : q(main), history_(history) {
  buildElements();
  buildFigures();
  routeInput();
}

void QuovOptions::buildElements() {
  Screen& s = screen;
  s.name = "quovoptions";
  s.caption = "Quov Options";
  s.width = px(800);
  s.height = px(500);
  using K = ElementKind;
  s.add(Framemain, "Framemain", K::Frame, px(8), px(6), px(784), px(486)).caption = "Quov Options";
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
  s.add(lblcurrentplayer, "lblcurrentplayer", K::Label, px(320), px(28), px(236), px(22), f);
  Element* stats[] = {&lblgames,    &lblwager,    &lbltotalwon, &lblwinlose,  &lblreturned,
                      &lblinvested, &lblgrandwon, &lblmajorwon, &lblminorwon, &lblfreespins};
  const char* statNames[] = {"lblgames",    "lblwager",    "lbltotalwon", "lblwinlose",
                             "lblreturned", "lblinvested", "lblgrandwon", "lblmajorwon",
                             "lblminorwon", "lblfreespins"};
  for (int i = 0; i < 10; ++i)
    s.add(*stats[i], statNames[i], K::Label, px(320), px(54 + i * 20), px(236), px(20), f);
  s.add(Label1, "Label1", K::Label, px(320), px(256), px(236), px(36), f).caption =
      "    Total won does not include any funds from jackpots.";

  // The options along the bottom.
  s.add(soundonof, "soundonof", K::Frame, px(16), px(300), px(132), px(172), f).caption =
      "toggle sound";
  const char* soundCaptions[3] = {"", " ON", " OFF"};
  for (int i = 1; i <= 2; ++i)
    s.add(sounds[i], "sounds", K::OptionButton, px(16), px(32 + i * 30), px(96), px(24),
          &soundonof, i)
        .caption = soundCaptions[i];
  s.add(payout, "payout", K::Frame, px(156), px(300), px(334), px(172), f).caption = "Payout %";
  const char* payoutCaptions[3] = {"Realistic", "Loose", "Dream Machine !!"};
  for (int i = 0; i <= 2; ++i)
    s.add(Amtpayout[i], "Amtpayout", K::OptionButton, px(14), px(60 + i * 26), px(156), px(24),
          &payout, i)
        .caption = payoutCaptions[i];
  s.add(Framespeed, "Framespeed", K::Frame, px(498), px(300), px(270), px(172), f).caption =
      "Reel Speed";
  for (int i = 0; i <= 4; ++i)
    s.add(setspeed[i], "setspeed", K::OptionButton, px(16 + i * 50), px(50), px(46), px(24),
          &Framespeed, i)
        .caption = std::to_string(i + 1);
  s.add(fastslow, "fastslow", K::Label, px(14), px(88), px(246), px(20), &Framespeed).caption =
      "<<<Faster                       Slower>>>";
  s.add(speedlab, "speedlab", K::Label, px(14), px(120), px(246), px(22), &Framespeed);
}

// The figures beside the design's own: the expected returns in the payout
// frame, the history's meters in a frame of their own.
void QuovOptions::buildFigures() {
  Screen& s = screen;
  using K = ElementKind;
  s.add(payoutreturnhead, "payoutreturnhead", K::Label, px(164), px(22), px(70), px(34), &payout)
      .caption = "without jackpots";
  s.add(payoutjackpotshead, "payoutjackpotshead", K::Label, px(240), px(22), px(80), px(34),
        &payout)
      .caption = "with jackpots";
  for (int i = 0; i <= 2; ++i) {
    s.add(payoutreturn[i], "payoutreturn", K::Label, px(164), px(60 + i * 26), px(70), px(24),
          &payout, i);
    s.add(payoutjackpots[i], "payoutjackpots", K::Label, px(240), px(60 + i * 26), px(80), px(24),
          &payout, i);
  }
  s.add(payoutnote, "payoutnote", K::Label, px(14), px(138), px(306), px(30), &payout);

  s.add(historyframe, "historyframe", K::Frame, px(566), px(20), px(202), px(278), &Framemain);
  const char* titles[kHistoryRows] = {"Money in", "Money played", "Money won", "Jackpots paid",
                                      "Games",    "Returned",     "  without jackpots",
                                      "Expected", "  without jackpots"};
  for (int i = 0; i < kHistoryRows; ++i) {
    // A gap between the meters and the returns.
    const int top = 28 + i * 24 + (i >= kHistoryMeters ? 8 : 0);
    s.add(histtitle[i], "histtitle", K::Label, px(12), px(top), px(126), px(22), &historyframe, i)
        .caption = titles[i];
    s.add(histvalue[i], "histvalue", K::Label, px(104), px(top), px(86), px(22), &historyframe, i);
  }
  const std::string now = "At today's payout setting, lines and bet per line";
  histtitle[7].toolTip = histvalue[7].toolTip = now;
  histtitle[8].toolTip = histvalue[8].toolTip = now;
  s.add(btncharts, "btncharts", K::CommandButton, px(12), px(253), px(178), px(22), &historyframe)
      .caption = "Charts";
  btncharts.toolTip =
      "The return over the games played against the one expected, the credit over time and "
      "the wins by size";
}

void QuovOptions::routeInput() {
  InputRoutes& r = screen.routes;
  for (int k = 1; k <= 6; ++k) r[machine[k]].click = [this, k] { machine_click(k); };
  r[player1].keyPress = [this](int& keyAscii) { player1_KeyPress(keyAscii); };
  r[btnokplayer].click = [this] { btnokplayer_click(); };
  screen.cancel = &btnokplayer;  // Escape returns to the game as OK does
  r[Btndeletedetails].click = [this] { Btndeletedetails_click(); };
  for (int i = 0; i <= 2; ++i) r[Amtpayout[i]].click = [this, i] { Amtpayout_click(i); };
  for (int i = 0; i <= 4; ++i) r[setspeed[i]].click = [this, i] { setspeed_click(i); };
  for (int i = 1; i <= 2; ++i) r[sounds[i]].click = [this, i] { sounds_click(i); };
  r[btncharts].click = [this] { btncharts_click(); };
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

void QuovOptions::showExpectedReturns() {
  const int lines = q.linesplayed, bet = q.betperline;
  for (int i = 0; i <= 2; ++i) {
    const std::optional<ExpectedReturn> r = builtReturnTable().at(kPayoutByIndex[i], lines, bet);
    payoutreturn[i].setCaption(r ? expectedPercent(r->withoutJackpots()) : "");
    payoutjackpots[i].setCaption(r ? expectedPercent(r->withJackpots()) : "");
    const std::string tip = r ? expectedReturnTip(*r) : "";
    payoutreturn[i].setToolTip(tip);
    payoutjackpots[i].setToolTip(tip);
  }
  payoutnote.setCaption(expectedAtBet(lines, bet));
}

void QuovOptions::showHistory() {
  const int slot = slotNumber(q.m.playerslot);
  historyframe.setCaption("Game history, slot " + q.m.playerslot);
  historyframe.setToolTip(
      "Every game played in this player slot on this computer, by whoever played it. Deleting a "
      "player's details leaves the history as it is.");
  const IntegrityMeters& h = history_.ofSlot(slot);
  const std::optional<ExpectedReturn> now =
      builtReturnTable().at(q.m.machinepay, q.linesplayed, q.betperline);
  const std::string values[kHistoryRows] = {
      moneyText(h.moneyIn),
      moneyText(h.moneyPlayed),
      moneyText(h.moneyWon),
      moneyText(h.jackpotsPaid),
      std::to_string(h.games),
      measuredPercent(h.measuredReturn()),
      measuredPercent(h.measuredReturnWithoutJackpots()),
      now ? expectedPercent(now->withJackpots()) : "–",
      now ? expectedPercent(now->withoutJackpots()) : "–",
  };
  for (int i = 0; i < kHistoryRows; ++i) histvalue[i].setCaption(values[i]);
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
  showExpectedReturns();
  showHistory();
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
  showHistory();
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

void QuovOptions::Amtpayout_click(int i) {
  q.m.machinepay = kPayoutByIndex[i];
  showHistory();  // what is expected now follows the setting
}

void QuovOptions::setspeed_click(int i) {
  q.m.reelspeed = kSpeedByIndex[i];
  speedlab.setCaption("Current Speed =   " + std::to_string(i + 1));
}

void QuovOptions::sounds_click(int i) { q.m.soundonoff = i == 1 ? -1 : 0; }

void QuovOptions::btncharts_click() {
  const int slot = slotNumber(q.m.playerslot);
  if (chartsWanted && slot != 0) chartsWanted(slot, q.m.machinepay);
}

}  // namespace quov
