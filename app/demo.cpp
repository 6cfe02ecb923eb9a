// A headless demonstration: a machine with 50 dollars of credit plays a few
// spins in virtual time and prints what its meters and reels show.
#include <cstdio>
#include <string>

#include "cabinet/startup.h"
#include "engine/reels.h"
#include "headless/headless_machine.h"
#include "rules/reels.h"

namespace {

void printReels(const quov::ReelsState& reels) {
  const int stops[6] = {0, reels.reel1stop, reels.reel2stop, reels.reel3stop, reels.reel4stop,
                        reels.reel5stop};
  for (int row = quov::Top; row <= quov::Bottom; ++row) {
    std::printf("   ");
    for (int r = 1; r <= quov::kReels; ++r)
      std::printf(" %-8s", quov::symbolName(quov::visibleSymbol(r, stops[r], row)));
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int spins = argc > 1 ? std::stoi(argv[1]) : 5;
  quov::HeadlessMachine machine;
  machine.platform.store.write("quovslot", "player1", "bank", "5000");
  machine.start();
  quov::Quov& q = machine.quov;
  std::printf("%s\ncredit %s, meters grand %s major %s minor %s\n", q.screen.caption.c_str(),
              q.Lblcredit.caption.c_str(), q.lblgrand.caption.c_str(), q.lblmajor.caption.c_str(),
              q.lblminor.caption.c_str());
  for (int i = 1; i <= spins; ++i) {
    machine.advance(100);
    machine.pressSpin();
    machine.settle();
    std::printf("spin %d: bet %s\n", i, q.lbltotallast.caption.c_str());
    printReels(machine.engine.reels().state());
    std::printf("    won %s (%s), credit %s\n", q.lblwin.caption.c_str(), q.LABWIN.caption.c_str(),
                q.Lblcredit.caption.c_str());
  }
  machine.cabinet.startup().xit_click();
  std::printf("records: games %s, wager %s, bank %s\n",
              machine.platform.store.read("quovslot", "player1", "games").c_str(),
              machine.platform.store.read("quovslot", "player1", "wager").c_str(),
              machine.platform.store.read("quovslot", "player1", "bank").c_str());
  return 0;
}
