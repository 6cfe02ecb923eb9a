// The game's command line for its history, run instead of the game:
//   quov --export csv|json FILE   writes every record ("-" for the output)
//   quov --check-history          checks the file and the books, prints the meters
#pragma once

#include <optional>

namespace quov {

// The exit code of a history command, or nothing when the arguments ask for
// the game itself.
std::optional<int> runHistoryCommand(int argc, char** argv);

}  // namespace quov
