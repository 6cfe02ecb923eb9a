// `quov --chart return|credit|wins FILE [--slot N]`: one chart of a player
// slot's return, drawn from the game history into FILE (SVG, or PNG for
// any other name) without a display, with the history's meters printed as
// `quov --check-history` prints them.
#pragma once

namespace quov {

// Returns the exit code: 0 written, 1 the history or the file failed, 2 the
// arguments are not a chart command.
int runChartCommand(int argc, char** argv);

}  // namespace quov
