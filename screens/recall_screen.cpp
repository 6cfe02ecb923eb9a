#include "screens/recall_screen.h"

#include <string>

#include "engine/gamble.h"
#include "mainscreen/quov.h"
#include "mainscreen/reel_windows.h"
#include "records/history_export.h"
#include "rules/jackpot.h"
#include "rules/money.h"
#include "rules/reels.h"
#include "sound/sounds.h"

namespace quov {

namespace {

constexpr const char* kRecallMark = "GAME RECALL  -  NOT LIVE PLAY";
constexpr int kInfoLeft = 600, kInfoWidth = 10800, kInfoTop = 6450, kInfoRow = 420;
constexpr int kButtonTop = 8280, kButtonHeight = 600;
constexpr int kCardTop = 1400, kCardWidth = 1200, kCardHeight = 1800, kCardGap = 150;
constexpr int kMaxLineWinsShown = 4;

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string money(std::int32_t cents) { return moneyText(cents); }

int freeSpinsOf(const RecalledGame& g) {
  int n = 0;
  for (const GameRecord& r : g.records)
    if (r.kind == RecordKind::FreeSpin) ++n;
  return n;
}

std::string pageTitle(const RecalledGame& g, const GameRecord& r) {
  switch (r.kind) {
    case RecordKind::Spin: return r.award > 0 ? "SPIN - FREE SPINS WON" : "SPIN";
    case RecordKind::FreeSpin:
      return "FREE SPIN " + std::to_string(r.seriesSpin) + " OF " + std::to_string(freeSpinsOf(g));
    case RecordKind::Collect: return "FREE SPINS COLLECTED";
    case RecordKind::JackpotTime: return "JACKPOT TIME";
    case RecordKind::Gamble: return "GAMBLE";
    case RecordKind::CreditIn: return "CREDIT IN";
  }
  return "";
}

}  // namespace

QuovRecall::QuovRecall(Quov& main, Sounds& sounds, const Gamble& gamble)
    : main_(main), sounds_(sounds), gamble_(gamble) {
  buildElements();
  InputRoutes& routes = screen.routes;
  routes[btnprevgame].click = [this] { btnprevgame_click(); };
  routes[btnprev].click = [this] { btnprev_click(); };
  routes[btnnext].click = [this] { btnnext_click(); };
  routes[btnnextgame].click = [this] { btnnextgame_click(); };
  routes[btnreturn].click = [this] { btnreturn_click(); };
  routes.closeRequest = [this] { btnreturn_click(); };
  screen.cancel = &btnreturn;  // Escape returns to the game
}

void QuovRecall::buildElements() {
  Screen& s = screen;
  s.name = "quovrecall";
  s.caption = "QUOV LAST GAMES - RECALL";
  s.width = kDesignWidthPx * kTwipsPerPixel;
  s.height = kDesignHeightPx * kTwipsPerPixel;

  s.add(lblrecall, "lblrecall", ElementKind::Label, 0, 30, s.width, 330);
  lblrecall.caption = kRecallMark;
  s.add(lblgame, "lblgame", ElementKind::Label, 0, 360, s.width, 330);
  for (int r = 1; r <= kReels; ++r) {
    s.add(Picture[r], "Picture", ElementKind::Picture, kReelWindowLeft[r], kReelWindowTop,
          kReelWindowWidth, kReelWindowHeight, nullptr, r);
    s.add(reel[r], "reel", ElementKind::Image, 0, -kCellTwips, kReelWindowWidth,
          kStripCells * kCellTwips, &Picture[r], r);
  }
  for (int r = 1; r <= kReels; ++r)
    for (int row = Top; row <= Bottom; ++row) {
      const int code = cellCode(r, row);
      s.add(flasher[code], "flasher", ElementKind::Image, 0, row * kCellTwips, kCellTwips,
            kCellTwips, &Picture[r], code);
      flasher[code].setPicture(ImageListId::ImageList1, 14);
    }
  for (std::size_t k = 0; k < line.size(); ++k) {
    s.add(line[k], "recallline", ElementKind::Line, 0, 0, 0, 0, nullptr, static_cast<int>(k));
    line[k].lineWidthPx = 5;
  }
  for (int r = 1; r <= kReels; ++r)
    s.add(lblheld[r], "lblheld", ElementKind::Label, kReelWindowLeft[r],
          kReelWindowTop + kReelWindowHeight / 2 - 250, kReelWindowWidth, 500, nullptr, r);

  s.add(jackpotframe, "jackpotframe", ElementKind::Picture, kBoardLeft, kBoardTop, 10400, 5750);
  s.add(jackpotball11, "jackpotball11", ElementKind::Image, 0, 0, 1650, 1350);

  const int cardsLeft = (s.width - kRecallCards * kCardWidth - (kRecallCards - 1) * kCardGap) / 2;
  for (int c = 1; c <= kRecallCards; ++c) {
    const int left = cardsLeft + (c - 1) * (kCardWidth + kCardGap);
    s.add(gamblecard[c], "gamblecard", ElementKind::Image, left, kCardTop, kCardWidth, kCardHeight,
          nullptr, c);
    s.add(lblcard[c], "lblcard", ElementKind::Label, left - kCardGap / 2,
          kCardTop + kCardHeight + 150, kCardWidth + kCardGap, 700, nullptr, c);
  }

  s.add(lblbet, "lblinfo", ElementKind::Label, kInfoLeft, kInfoTop, kInfoWidth, kInfoRow, nullptr,
        1);
  s.add(lbllinewins, "lblinfo", ElementKind::Label, kInfoLeft, kInfoTop + kInfoRow, kInfoWidth,
        kInfoRow, nullptr, 2);
  s.add(lbldetail, "lblinfo", ElementKind::Label, kInfoLeft, kInfoTop + 2 * kInfoRow, kInfoWidth,
        kInfoRow, nullptr, 3);
  s.add(lblcredit, "lblinfo", ElementKind::Label, kInfoLeft, kInfoTop + 3 * kInfoRow, kInfoWidth,
        kInfoRow, nullptr, 4);

  s.add(btnprevgame, "btnprevgame", ElementKind::PictureButton, 600, kButtonTop, 1800,
        kButtonHeight);
  s.add(btnprev, "btnprev", ElementKind::PictureButton, 2550, kButtonTop, 1800, kButtonHeight);
  s.add(btnnext, "btnnext", ElementKind::PictureButton, 4500, kButtonTop, 1800, kButtonHeight);
  s.add(btnnextgame, "btnnextgame", ElementKind::PictureButton, 6450, kButtonTop, 1800,
        kButtonHeight);
  s.add(btnreturn, "btnreturn", ElementKind::PictureButton, 8400, kButtonTop, 3000, kButtonHeight);
  hideAll();
}

void QuovRecall::lastgames_click() {
  Quov& q = main_;
  // Only between games: not while reels turn, a series or jackpot time
  // runs, autoplay plays or a gamble is open.
  if (q.freespinmode == -1 || q.autoplaymode != 0 || !q.btnopenmenu.enabled ||
      !q.tmrtick.enabled() || gamble_.open())
    return;
  sounds_.play(Clip::MenuClick);
  games_ = groupGames(q.p.history.lastGames(kRecalledGames));
  game_ = games_.empty() ? 0 : static_cast<int>(games_.size()) - 1;
  record_ = 0;
  showPage();
  q.menupic.hide();
  // The recall gives the main screen back when it closes.
  q.screen.enabled = false;
  screen.visible = true;
}

void QuovRecall::btnreturn_click() {
  screen.visible = false;
  main_.screen.enabled = true;
}

void QuovRecall::btnprevgame_click() {
  if (game_ > 0) {
    --game_;
    record_ = 0;
  }
  showPage();
}

void QuovRecall::btnnextgame_click() {
  if (game_ + 1 < static_cast<int>(games_.size())) {
    ++game_;
    record_ = 0;
  }
  showPage();
}

void QuovRecall::btnprev_click() {
  if (record_ > 0) {
    --record_;
  } else if (game_ > 0) {
    --game_;
    record_ = static_cast<int>(games_[game_].records.size()) - 1;
  }
  showPage();
}

void QuovRecall::btnnext_click() {
  if (games_.empty()) return;
  if (record_ + 1 < static_cast<int>(games_[game_].records.size())) {
    ++record_;
  } else if (game_ + 1 < static_cast<int>(games_.size())) {
    ++game_;
    record_ = 0;
  }
  showPage();
}

void QuovRecall::hideAll() {
  for (int r = 1; r <= kReels; ++r) {
    Picture[r].hide();
    lblheld[r].hide();
  }
  for (int c = 1; c <= 15; ++c) flasher[c].hide();
  for (Element& e : line) e.hide();
  jackpotframe.hide();
  jackpotball11.hide();
  for (int c = 1; c <= kRecallCards; ++c) {
    gamblecard[c].hide();
    lblcard[c].hide();
  }
  for (Element* e : {&lblbet, &lbllinewins, &lbldetail, &lblcredit}) e->setCaption("");
}

void QuovRecall::showPage() {
  hideAll();
  const int shownGames = static_cast<int>(games_.size());
  btnprevgame.setEnabled(game_ > 0);
  btnnextgame.setEnabled(game_ + 1 < shownGames);
  btnprev.setEnabled(game_ > 0 || record_ > 0);
  btnnext.setEnabled(shownGames > 0 && (game_ + 1 < shownGames ||
                                        record_ + 1 < static_cast<int>(games_[game_].records.size())));
  if (games_.empty()) {
    lblgame.setCaption("NO GAMES PLAYED YET");
    return;
  }
  const RecalledGame& g = games_[game_];
  const GameRecord& r = g.records[record_];
  const std::string when = isoTime(r.timeMs);
  lblgame.setCaption("GAME " + std::to_string(game_ + 1) + " OF " + std::to_string(shownGames) +
                     "   -   " + pageTitle(g, r) + "   -   PLAYER " + std::to_string(r.slot) +
                     "   -   " + when.substr(0, 10) + " " + when.substr(11, 8) + " UTC");

  const std::string bet = std::to_string(r.lines) + " LINES AT " + std::to_string(r.betPerLine) +
                          (r.betPerLine == 1 ? " CENT" : " CENTS");
  switch (r.kind) {
    case RecordKind::Spin:
    case RecordKind::FreeSpin:
      showReels(r);
      lblbet.setCaption((r.kind == RecordKind::Spin ? "BET " + money(r.bet) + "  (" + bet + ")"
                                                    : "FREE SPIN  (" + bet + ")") +
                        "     WIN " + money(r.win) +
                        (r.award > 0 ? "     FREE SPINS WON " + std::to_string(r.award) : ""));
      break;
    case RecordKind::Collect:
      lblbet.setCaption("SERIES TOTAL " + money(r.paid) + " PAID TO THE CREDIT AFTER " +
                        std::to_string(freeSpinsOf(g)) + " FREE SPINS");
      break;
    case RecordKind::JackpotTime:
      showJackpot(r);
      lblbet.setCaption("BALL FROM CELL " + std::to_string(r.ballStart) + " STOPPED ON CELL " +
                        std::to_string(r.ballCell) + "     PRIZE " + upper(prizeName(r.prize)) +
                        " = " + money(r.paid) + "  (" + bet + ")");
      break;
    case RecordKind::Gamble:
      showGamble(r);
      lblbet.setCaption("STAKE " + money(r.stake) + "     " +
                        (r.paid > 0 ? "COLLECTED " + money(r.paid) : std::string("LOST")));
      break;
    case RecordKind::CreditIn:
      lblbet.setCaption("MONEY IN " + money(r.moneyIn));
      break;
  }
  lblcredit.setCaption("CREDIT BEFORE " + money(r.creditBefore) + "     CREDIT AFTER " +
                       money(r.creditAfter));
}

void QuovRecall::showReels(const GameRecord& r) {
  for (int reelNo = 1; reelNo <= kReels; ++reelNo) {
    Picture[reelNo].show();
    reel[reelNo].move(0, -kCellTwips * r.stops[reelNo - 1]);
    if (r.held & (1u << (reelNo - 1))) {
      lblheld[reelNo].setCaption("HELD");
      lblheld[reelNo].show();
    }
  }
  // Each paying line drawn in its colour, and the cells of its run framed.
  std::size_t segment = 0;
  std::string wins;
  int listed = 0;
  for (const LineWin& w : r.lineWins) {
    const PaylineShape& shape = paylineShape(w.line);
    for (int k = 0; k < shape.segments && segment < line.size(); ++k, ++segment) {
      const Segment& sg = shape.segment[k];
      line[segment].setLine(sg.x1, sg.y1, sg.x2, sg.y2);
      line[segment].setColour(shape.colour);
      line[segment].show();
    }
    for (int reelNo = 1; reelNo <= w.length && reelNo <= kReels; ++reelNo)
      flasher[lineCell(w.line, reelNo)].show();
    if (listed++ < kMaxLineWinsShown) {
      GameRecord one;
      one.lineWins = {w};
      wins += (wins.empty() ? "" : "    ") + upper(lineWinsText(one));
    }
  }
  if (listed > kMaxLineWinsShown)
    wins += "    AND " + std::to_string(listed - kMaxLineWinsShown) + " MORE";
  lbllinewins.setCaption(wins.empty() ? "NO LINE WIN" : wins);
  // Scatters pay wherever they stand: their cells are framed when they paid.
  if (r.scatterPay > 0)
    for (int reelNo = 1; reelNo <= kReels; ++reelNo)
      for (int row = Top; row <= Bottom; ++row)
        if (visibleSymbol(reelNo, r.stops[reelNo - 1], row) == Symbol::Scatter)
          flasher[cellCode(reelNo, row)].show();
  std::string detail = "SCATTERS " + std::to_string(r.scatters) + " PAY " + money(r.scatterPay);
  if (r.kind == RecordKind::FreeSpin) detail += "     MULTIPLIER X" + std::to_string(r.multiplier);
  if (r.voids > 0) detail += "     OUTCOMES REPLACED " + std::to_string(r.voids);
  lbldetail.setCaption(detail);
}

void QuovRecall::showJackpot(const GameRecord& r) {
  jackpotframe.show();
  if (r.ballCell >= 1 && r.ballCell <= kBoardCells) {
    const BoardCell& cell = boardCell(r.ballCell);
    jackpotball11.move(cell.left, cell.top);
    jackpotball11.show();
  }
}

void QuovRecall::showGamble(const GameRecord& r) {
  const int shown = static_cast<int>(r.steps.size()) < kRecallCards
                        ? static_cast<int>(r.steps.size())
                        : kRecallCards;
  for (int c = 1; c <= shown; ++c) {
    const GambleStep& s = r.steps[c - 1];
    gamblecard[c].setPicture(ImageListId::Imagelistcards, s.card);  // the card's face
    gamblecard[c].show();
    lblcard[c].setCaption(upper(betName(s.bet)) + (s.won ? " WON" : " LOST"));
    lblcard[c].show();
  }
  std::string detail = upper(gambleStepsText(r));
  lbllinewins.setCaption(detail.size() > 120 ? detail.substr(0, 117) + "..." : detail);
  if (static_cast<int>(r.steps.size()) > kRecallCards)
    lbldetail.setCaption("FIRST " + std::to_string(kRecallCards) + " OF " +
                         std::to_string(r.steps.size()) + " CARDS SHOWN");
}

}  // namespace quov
