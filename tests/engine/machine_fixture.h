// A started headless machine with credit, for the engine's scenario tests.
#pragma once

#include <gtest/gtest.h>

#include "headless/headless_machine.h"

namespace quov::testing {

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.platform.store.write("quovslot", "player1", "bank", "100000");
    machine.platform.store.write("quovslot", "player1", "machinepay", "1");
    machine.start();
    machine.advance(100);  // the idle ticker allows input
  }
  // Spins with forced stops and lets the machine come back to idle.
  void spin(std::initializer_list<int> stops) {
    machine.scriptSpin(stops);
    machine.pressSpin();
    ASSERT_TRUE(machine.settle());
  }
  HeadlessMachine machine;
  Quov& q = machine.quov;
  Modquov& m = machine.mod;
};

}  // namespace quov::testing
