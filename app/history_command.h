// The game's command line for its history, run instead of the game:
//   quov --export csv|json FILE   writes every record ("-" for the output)
//   quov --check-history          checks the file and the books, prints the meters
#pragma once

namespace quov {

// Runs the history command the arguments name and returns its exit code
// (2 when the arguments are not one).
int runHistoryCommand(int argc, char** argv);

}  // namespace quov
