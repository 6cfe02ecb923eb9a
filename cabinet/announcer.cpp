#include "cabinet/announcer.h"

#include "mainscreen/quov.h"
#include "rules/money.h"

namespace quov {

namespace {

const char* suitName(int suit) {
  switch (suit) {
    case kHearts: return "hearts";
    case kClubs: return "clubs";
    case kDiamonds: return "diamonds";
    case kSpades: return "spades";
    default: return "no suit";
  }
}

std::string guessName(const GambleGuess& guess) {
  if (guess.onSuit) return suitName(guess.suit);
  return guess.colour == CardColour::Red ? "red" : "black";
}

}  // namespace

void Announcer::say(std::string words) {
  latest_ = std::move(words);
  ++count_;
}

void Announcer::outcomeDrawn() {
  givenBefore_ = q.freespinsgiven;
  next.outcomeDrawn();
}

void Announcer::outcomeBooked(const SpinOutcome& outcome) {
  next.outcomeBooked(outcome);
  std::string words;
  if (outcome.win > 0)
    words = (q.freespinmode == -1 ? "Free spin wins " : "Win ") + moneyText(outcome.win) + ".";
  // An award adds to the spins given; the award itself says how many.
  if (q.freespinsgiven > givenBefore_) {
    if (!words.empty()) words += ' ';
    words += std::to_string(q.bonuslevel) + " free spins awarded.";
  }
  if (!words.empty()) say(std::move(words));
}

void Announcer::seriesCollected() {
  next.seriesCollected();
  say("Free spins pay " + moneyText(q.freespinwin) + ".");
}

void Announcer::jackpotStarted() {
  creditBefore_ = q.m.bank;
  next.jackpotStarted();
}

void Announcer::jackpotPaid() {
  next.jackpotPaid();
  say("Jackpot pays " + moneyText(static_cast<long long>(q.m.bank) - creditBefore_) + ".");
}

void Announcer::gambleBet(const GambleBetResult& result) {
  next.gambleBet(result);
  const std::string card = std::string("The card is ") + suitName(result.suit) + ": ";
  if (result.won)
    say(card + guessName(result.guess) + " wins. At risk " + moneyText(result.atrisk) + ".");
  else
    say(card + guessName(result.guess) + " loses.");
}

void Announcer::gambleCollected(std::int32_t collected) {
  next.gambleCollected(collected);
  say("Collected " + moneyText(collected) + ".");
}

void Announcer::noMoney() {
  next.noMoney();
  say("No money: the credit does not cover the bet. Insert credit.");
}

}  // namespace quov
