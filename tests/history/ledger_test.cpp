// The history's checks catch a record that was tampered with or lost; the
// meters add up the right records; the recall groups records into games;
// the stored lists and the export read back as written.
#include <gtest/gtest.h>

#include <sstream>

#include "history_printing.h"
#include "records/game_recall.h"
#include "records/history_ledger.h"

namespace quov {
namespace {

// A short, sound history: money in, a spin starting a series of two free
// spins, the collect, a gamble of the collect, a jackpot time, a plain spin.
std::vector<GameRecord> soundHistory() {
  std::vector<GameRecord> h;
  auto add = [&h](GameRecord r) {
    r.id = static_cast<std::int64_t>(h.size()) + 1;
    h.push_back(r);
  };
  GameRecord in;
  in.kind = RecordKind::CreditIn;
  in.moneyIn = 5000;
  in.creditBefore = 0;
  in.creditAfter = 5000;
  add(in);
  GameRecord trigger;
  trigger.kind = RecordKind::Spin;
  trigger.bet = 25;
  trigger.scatters = 3;
  trigger.scatterPay = 125;
  trigger.win = 125;
  trigger.award = 10;
  trigger.creditBefore = 5000;
  trigger.creditAfter = 4975;
  add(trigger);
  for (int k = 1; k <= 2; ++k) {
    GameRecord f;
    f.kind = RecordKind::FreeSpin;
    f.series = 2;
    f.seriesSpin = static_cast<std::int16_t>(k);
    f.lineWins = {{7, 1, 3, 30}};
    f.multiplier = static_cast<std::int16_t>(k == 1 ? 1 : 3);
    f.win = 30 * f.multiplier;
    f.creditBefore = f.creditAfter = 4975;
    f.machinepay = 3;
    add(f);
  }
  GameRecord collect;
  collect.kind = RecordKind::Collect;
  collect.series = 2;
  collect.win = collect.paid = 125 + 30 + 90;
  collect.creditBefore = 4975;
  collect.creditAfter = 4975 + 245;
  add(collect);
  GameRecord gamble;
  gamble.kind = RecordKind::Gamble;
  gamble.gambled = 5;
  gamble.stake = 245;
  gamble.steps = {{GambleBet::Red, 3, true, 490}, {GambleBet::Clubs, 2, true, 1960}};
  gamble.win = gamble.paid = 1960;
  gamble.creditBefore = 5220;
  gamble.creditAfter = 5220 - 245 + 1960;
  add(gamble);
  GameRecord jackpot;
  jackpot.kind = RecordKind::JackpotTime;
  jackpot.ballStart = 3;
  jackpot.ballCell = 11;
  jackpot.prize = JackpotPrize::Minor;
  jackpot.win = jackpot.paid = 2000;
  jackpot.creditBefore = 6935;
  jackpot.creditAfter = 8935;
  add(jackpot);
  GameRecord spin;
  spin.kind = RecordKind::Spin;
  spin.bet = 25;
  spin.creditBefore = 8935;
  spin.creditAfter = 8910;
  add(spin);
  return h;
}

LedgerReport check(const std::vector<GameRecord>& h) {
  LedgerCheck c;
  for (const GameRecord& r : h) c.add(r);
  return c.report();
}

TEST(Ledger, EachKeptBetStandsForTheGuessItWasKeptFrom) {
  const GambleGuess guesses[] = {{false, CardColour::Red, 0},  {false, CardColour::Black, 0},
                                 {true, CardColour::Red, 1},   {true, CardColour::Red, 2},
                                 {true, CardColour::Red, 3},   {true, CardColour::Red, 4}};
  for (const GambleGuess& guess : guesses) {
    const GambleBet bet = betOf(guess);
    const GambleGuess kept = guessOf(bet);
    EXPECT_EQ(guessPays(kept), guessPays(guess)) << static_cast<int>(bet);
    for (int card = 1; card <= 4; ++card)
      EXPECT_EQ(guessWins(kept, card), guessWins(guess, card))
          << "bet " << static_cast<int>(bet) << ", card " << card;
  }
  EXPECT_EQ(betOf({true, CardColour::Black, 4}), GambleBet::Spades);
  EXPECT_EQ(betOf({false, CardColour::Black, 0}), GambleBet::Black);
}

TEST(Ledger, ASoundHistoryPassesAndItsMetersAddUp) {
  const auto h = soundHistory();
  EXPECT_TRUE(check(h).sound());
  IntegrityMeters m;
  for (const GameRecord& r : h) m.add(r);
  EXPECT_EQ(m.moneyIn, 5000);
  EXPECT_EQ(m.moneyPlayed, 50) << "the gamble's stake is no money played";
  EXPECT_EQ(m.moneyWon, 245 + 1960 - 245);
  EXPECT_EQ(m.jackpotsPaid, 2000);
  EXPECT_EQ(m.games, 2);
  ASSERT_TRUE(m.measuredReturn());
  EXPECT_DOUBLE_EQ(*m.measuredReturn(), 100.0 * (1960 + 2000) / 50);
  EXPECT_EQ(h.back().creditAfter, m.moneyIn - m.moneyPlayed + m.moneyWon + m.jackpotsPaid);
  EXPECT_FALSE(IntegrityMeters{}.measuredReturn()) << "no return before any play";
}

TEST(Ledger, EachKindOfTamperingIsCaughtAtItsRecord) {
  struct Case {
    const char* what;
    std::function<void(std::vector<GameRecord>&)> tamper;
    std::int64_t LedgerReport::*counter;
    std::int64_t at;
  };
  const std::vector<Case> cases = {
      {"a win paid twice", [](auto& h) { h[7].creditAfter += 25; }, &LedgerReport::unbalanced, 8},
      {"a record lost", [](auto& h) { h.erase(h.begin() + 1); }, &LedgerReport::breaks, 3},
      {"a free spin's win raised",
       [](auto& h) {
         h[3].win += 10;
         h[3].lineWins[0].pay += 10;
       },
       &LedgerReport::badWins, 4},
      {"a win that is not its lines", [](auto& h) { h[2].win = 31; }, &LedgerReport::badWins, 3},
      {"a collect short of the series",
       [](auto& h) {
         h[4].paid -= 1;
         h[4].creditAfter -= 1;
         for (std::size_t i = 5; i < h.size(); ++i) {
           h[i].creditBefore -= 1;
           h[i].creditAfter -= 1;
         }
       },
       &LedgerReport::badSeries, 5},
      {"a card that lost counted as won", [](auto& h) { h[5].steps[1].card = 3; },
       &LedgerReport::badGambles, 6},
      {"a gamble paying past its cards",
       [](auto& h) {
         h[5].paid += 100;
         h[5].creditAfter += 100;
         for (std::size_t i = 6; i < h.size(); ++i) {
           h[i].creditBefore += 100;
           h[i].creditAfter += 100;
         }
       },
       &LedgerReport::badGambles, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto h = soundHistory();
    c.tamper(h);
    const LedgerReport r = check(h);
    EXPECT_FALSE(r.sound());
    EXPECT_EQ(r.*c.counter, 1);
    EXPECT_EQ(r.firstFault, c.at);
  }
}

TEST(Ledger, AFreeSpinOrCollectMadeAgainAfterARestartReplacesTheOneTheRecordsLost) {
  // The money in, the series' first spin and its two free spins, as kept.
  const std::vector<GameRecord> sound = soundHistory();
  const std::vector<GameRecord> series(sound.begin(), sound.begin() + 4);
  auto numbered = [](std::vector<GameRecord> h) {
    for (std::size_t i = 0; i < h.size(); ++i) h[i].id = static_cast<std::int64_t>(i) + 1;
    return h;
  };
  auto collectOf = [](std::int32_t paid) {
    GameRecord c;
    c.kind = RecordKind::Collect;
    c.series = 2;
    c.win = c.paid = paid;
    c.creditBefore = 4975;
    c.creditAfter = 4975 + paid;
    return c;
  };
  // The second free spin was lost with the records and played again,
  // winning nothing this time: the collect pays 125 + 30.
  GameRecord again = series[3];
  again.lineWins.clear();
  again.multiplier = 1;
  again.win = 0;
  std::vector<GameRecord> replayed = series;
  replayed.push_back(again);
  replayed.push_back(collectOf(155));
  LedgerReport r = check(numbered(replayed));
  EXPECT_EQ(r.badSeries + r.unbalanced + r.badWins, 0);
  replayed.back() = collectOf(245);
  r = check(numbered(replayed));
  EXPECT_EQ(r.badSeries, 1) << "the lost spin's win was never paid";
  EXPECT_EQ(r.firstFault, 6);

  // The collect was lost with the records and made again.
  std::vector<GameRecord> twice = series;
  twice.push_back(collectOf(245));
  twice.push_back(collectOf(245));
  r = check(numbered(twice));
  EXPECT_EQ(r.badSeries + r.unbalanced, 0);
  EXPECT_EQ(r.breaks, 1) << "the credit went back to where the records stood";
  twice.back() = collectOf(246);
  EXPECT_EQ(check(numbered(twice)).badSeries, 1);
}

TEST(Recall, RecordsGroupIntoGamesAndOnlyTheLastTenAreKept) {
  const auto h = soundHistory();
  const auto games = groupGames(h);
  ASSERT_EQ(games.size(), 3u);
  ASSERT_EQ(games[0].records.size(), 5u) << "trigger, two free spins, collect, gamble";
  EXPECT_EQ(games[0].records[4].kind, RecordKind::Gamble);
  EXPECT_EQ(games[1].records.front().kind, RecordKind::JackpotTime);
  EXPECT_EQ(games[2].records.size(), 1u);

  std::vector<GameRecord> many;
  for (int i = 1; i <= 14; ++i) {
    GameRecord r;
    r.id = i;
    r.kind = RecordKind::Spin;
    many.push_back(r);
  }
  const auto last = groupGames(many);
  ASSERT_EQ(last.size(), 10u);
  EXPECT_EQ(last.front().records[0].id, 5);
  EXPECT_EQ(last.back().records[0].id, 14);
}

TEST(Recall, TheMemoryHistoryHandsOutTheLastGamesWhole) {
  Scheduler clock;
  MemoryHistory history(clock);
  for (GameRecord r : soundHistory()) {
    clock.setNow(clock.now() + 1000);
    history.append(r);
  }
  EXPECT_EQ(history.lastGames(1).size(), 1u);
  EXPECT_EQ(history.lastGames(2).front().kind, RecordKind::JackpotTime);
  const auto three = history.lastGames(3);
  EXPECT_EQ(three.front().id, 2) << "from the series' first spin on";
  EXPECT_EQ(history.lastGames(50).size(), 8u) << "fewer games than asked: every record";
  EXPECT_EQ(history.records[2].timeMs, 3000);
}

TEST(Export, CsvAndJsonCarryEveryFieldInWords) {
  Scheduler clock;
  MemoryHistory history(clock);
  clock.setNow(1735689600123);  // 2025-01-01 00:00:00.123 UTC
  for (GameRecord r : soundHistory()) history.append(r);
  std::ostringstream csv, json;
  EXPECT_EQ(writeHistory(history, ExportFormat::Csv, csv), 8);
  EXPECT_EQ(writeHistory(history, ExportFormat::Json, json), 8);
  const std::string c = csv.str();
  EXPECT_EQ(c.substr(0, c.find('\n')),
            "id,time,kind,slot,lines,bet_per_line,bet,stops,held_reels,voids,line_wins,scatters,"
            "scatter_pay,multiplier,win,award,series,series_spin,ball_start,ball_cell,prize,"
            "gambled,stake,gamble_steps,money_in,paid,credit_before,credit_after,machinepay");
  EXPECT_NE(c.find("\n4,2025-01-01T00:00:00.123Z,free spin,1,0,0,0,0 0 0 0 0,,0,line 7: K x3 = 30,"
                   "0,0,3,90,0,2,2,0,0,,0,0,,0,0,4975,4975,3\n"),
            std::string::npos)
      << c;
  // A record kept before the history took the payout setting has none.
  EXPECT_NE(c.find(",credit in,1,0,0,0,0 0 0 0 0,,0,,0,0,1,0,0,0,0,0,0,,0,0,,5000,0,0,5000,\n2,"),
            std::string::npos)
      << c;
  EXPECT_NE(c.find(",gamble,"), std::string::npos);
  EXPECT_NE(c.find("red on diamonds won 490; clubs on clubs won 1960"), std::string::npos);
  const std::string j = json.str();
  EXPECT_EQ(j.front(), '[');
  EXPECT_NE(j.find("\"line_wins\": [{\"line\": 7, \"symbol\": \"K\", \"length\": 3, \"pay\": 30}]"),
            std::string::npos)
      << j;
  EXPECT_NE(j.find("{\"bet\": \"clubs\", \"card\": \"clubs\", \"won\": true, \"at_risk\": 1960}"),
            std::string::npos);
  EXPECT_NE(j.find("\"prize\": \"minor\""), std::string::npos);
  EXPECT_NE(j.find("\"credit_after\": 4975, \"machinepay\": 3}"), std::string::npos) << j;
  EXPECT_NE(j.find("\"credit_after\": 5000, \"machinepay\": null}"), std::string::npos) << j;
  EXPECT_EQ(exportFormat("csv"), ExportFormat::Csv);
  EXPECT_EQ(exportFormat("xml"), std::nullopt);
  EXPECT_EQ(isoTime(0), "1970-01-01T00:00:00.000Z");
  EXPECT_EQ(isoTime(951782400000 + 86399999), "2000-02-29T23:59:59.999Z");
}

}  // namespace
}  // namespace quov
