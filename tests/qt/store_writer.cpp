// A program that saves the settings store over and over, for a test that
// kills it at random moments. Every save is one moment: the player's bank and
// the grand meter (in the other file) both hold the save's count, so files
// from two moments show at once.
//   store_writer save <folder>    saves counts from the stored one up, for ever,
//                                 printing each count once it is on disk
//   store_writer check <folder>   prints the stored count; fails when the
//                                 two files hold different counts
#include <cstdio>
#include <cstring>
#include <string>

#include "desktop/qt_settings_store.h"

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "save") != 0 && std::strcmp(argv[1], "check") != 0)) {
    std::fprintf(stderr, "usage: store_writer save|check <folder>\n");
    return 2;
  }
  quov::QtSettingsStore store(QString::fromLocal8Bit(argv[2]));
  const std::string bank = store.read("quovslot", "player1", "bank");
  const std::string grand = store.read("allslot", "player1", "grand");
  if (std::strcmp(argv[1], "check") == 0) {
    std::printf("%s\n", bank.c_str());
    if (bank != grand) std::fprintf(stderr, "bank %s but grand %s\n", bank.c_str(), grand.c_str());
    return bank == grand ? 0 : 1;
  }
  for (long count = bank.empty() ? 1 : std::stol(bank) + 1;; ++count) {
    store.write("quovslot", "player1", "bank", std::to_string(count));
    store.write("allslot", "player1", "grand", std::to_string(count));
    store.flush();
    store.waitSaved();
    if (!store.health().failing) {
      std::printf("%ld\n", count);
      std::fflush(stdout);
    }
  }
}
