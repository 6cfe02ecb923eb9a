// The recall screen `quovrecall`: the last ten games replayed as they were,
// from the game history. Each game's spin is shown with the reels at their
// stops and its winning lines framed, then the free spins of the series it
// started in order, the collect, the jackpot board's result and the
// gamble's cards, with the bets, wins and the credit before and after.
// Everything on it is marked as recall, not live play; the main screen
// takes no input while it is open.
#pragma once

#include <array>
#include <vector>

#include "platform/element.h"
#include "platform/screen.h"
#include "presentation/payline_shapes.h"
#include "records/game_recall.h"
#include "rules/reels.h"

namespace quov {

class Quov;
class Sounds;
class Gamble;

inline constexpr int kRecallCards = 8;  // gamble cards shown side by side

class QuovRecall {
 public:
  QuovRecall(Quov& main, Sounds& sounds, const Gamble& gamble);
  QuovRecall(const QuovRecall&) = delete;
  QuovRecall& operator=(const QuovRecall&) = delete;

  Screen screen;
  Element lblrecall, lblgame, lblbet, lbllinewins, lbldetail, lblcredit;
  std::array<Element, 6> Picture{}, reel{}, lblheld{};  // [1..5]
  std::array<Element, 16> flasher{};                     // [1..15]: framed cells
  std::array<Element, kLines * kMaxSegments> line{};     // the winning lines' segments
  Element jackpotframe, jackpotball11;
  std::array<Element, kRecallCards + 1> gamblecard{}, lblcard{};  // [1..8]
  Element btnprevgame, btnprev, btnnext, btnnextgame, btnreturn;

  // LAST GAMES on the menu panel: opens on the newest game, when the
  // cabinet is between games.
  void lastgames_click();
  void btnprevgame_click();
  void btnprev_click();
  void btnnext_click();
  void btnnextgame_click();
  // RETURN TO GAME and the window's close control.
  void btnreturn_click();

  // What is shown: the game (0 oldest) and its record.
  const std::vector<RecalledGame>& games() const { return games_; }
  int gameShown() const { return game_; }
  int recordShown() const { return record_; }

 private:
  void buildElements();
  void showPage();
  void showReels(const GameRecord& r);
  void showJackpot(const GameRecord& r);
  void showGamble(const GameRecord& r);
  void hideAll();
  Quov& main_;
  Sounds& sounds_;
  const Gamble& gamble_;  // no recall while a gamble is open
  std::vector<RecalledGame> games_;
  int game_ = 0, record_ = 0;
};

}  // namespace quov
