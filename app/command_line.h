// What the command line asks of the program, decided before any window
// system is touched: the game itself, its help or version, one of the
// history commands, or nothing it knows (then it says so and ends with 2).
// The window system's own options (-platform, -style, -geometry and the
// others Qt reads) are left for the game's window to take.
#pragma once

#include <string>

namespace quov {

enum class Command { Play, Help, Version, History, Wrong };

struct CommandLine {
  Command command = Command::Play;
  std::string wrong;  // what is wrong, for Command::Wrong ("unknown option -x")
};

CommandLine readCommandLine(int argc, char** argv);

// The text `quov --help` prints: every option, the files and the exit
// statuses. The manual page says the same.
const char* helpText();
// "quov 0.1.0".
std::string versionText();

}  // namespace quov
