// A started headless machine whose store holds two players, and helpers to
// work the options screen as the player does.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "headless/headless_machine.h"
#include "records/options_screen.h"

namespace quov::testing {

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Slot 1: a player with twelve games behind her.
    put(1, "currentplayer", "Zoë");
    put(1, "bank", "5000");
    put(1, "games", "12");
    put(1, "wager", "300");
    put(1, "total", "250");
    put(1, "amountinvested", "5000");
    put(1, "howmanyspins", "2");
    put(1, "majorwon", "1");
    put(1, "minorwon", "3");
    put(1, "jackpotbank", "900");
    put(1, "soundonoff", "0");
    put(1, "reelspeed", "2");
    put(1, "machinepay", "3");
    put(1, "grand", "250000", "allslot");
    // Slot 2: Bob, every key present.
    for (const char* key : {"howmanyspins", "soundonoff", "grandwon", "majorwon", "minorwon",
                            "jackpotbank", "amountinvested", "wager", "total"})
      put(2, key, "0");
    put(2, "currentplayer", "Bob");
    put(2, "bank", "700");
    put(2, "games", "4");
    put(2, "wager", "100");
    put(2, "total", "40");
    put(2, "machinepay", "1");
    put(2, "reelspeed", "10");
    for (const char* key : {"grand", "major", "minor"}) put(2, key, "300000", "allslot");
    machine.start();
    machine.advance(100);
  }
  void put(int slot, const char* key, const std::string& value, const char* app = "quovslot") {
    machine.platform.store.write(app, "player" + std::to_string(slot), key, value);
  }
  std::string stored(int slot, const char* key, const char* app = "quovslot") {
    return machine.platform.store.read(app, "player" + std::to_string(slot), key);
  }
  bool has(int slot, const char* key, const char* app = "quovslot") {
    return machine.platform.store.has(app, "player" + std::to_string(slot), key);
  }
  // OPTIONS on the cabinet.
  void open() { ASSERT_TRUE(machine.click(q.btnoptions)); }
  // Types into the name box and presses Enter; returns the key as the
  // handler left it (0: swallowed).
  int enterName(const std::string& typed) {
    o.player1.setCaption(typed);
    int key = 13;
    o.screen.keyPress(o.player1, key);
    return key;
  }
  void click(Element& e) { o.screen.click(e); }
  const std::vector<ScriptedMessages::Shown>& shown() { return machine.platform.messages.shown; }

  HeadlessMachine machine;
  Quov& q = machine.quov;
  Modquov& m = machine.mod;
  QuovOptions& o = machine.cabinet.quovoptions;
};

}  // namespace quov::testing
