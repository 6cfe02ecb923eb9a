// The menu panel and the navigation to the side screens and the payline
// view, and the refresher that keeps the cabinet's picture buttons visible.
#pragma once

namespace quov {

class Quov;
class Sounds;
class Paylines;
class QuovOptions;
class QuovPays;
class AboutQuov;
class QuovHelp;
class Gamble;

class Menu {
 public:
  Menu(Quov& q, Sounds& sounds, Paylines& paylines, QuovOptions& options, QuovPays& pays,
       AboutQuov& about, QuovHelp& help, const Gamble& gamble)
      : q(q),
        sounds(sounds),
        paylines(paylines),
        options(options),
        pays(pays),
        aboutScreen(about),
        helpScreen(help),
        gamble(gamble) {}

  void btnopenmenu_mousemove();
  void Form_MouseMove();  // the pointer over the bare background
  void btnoptions_click();
  void about_click();
  void mnuhelp_click();
  void mnucharts_click();
  void mnuviewpaytable_click();
  void viewpaylines_click();
  void Btnreturn2game_click();
  void tmrshowbuttons_tick();

 private:
  Quov& q;
  Sounds& sounds;
  Paylines& paylines;
  QuovOptions& options;
  QuovPays& pays;
  AboutQuov& aboutScreen;
  QuovHelp& helpScreen;
  const Gamble& gamble;
};

}  // namespace quov
