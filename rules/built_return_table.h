// The expected-return table the game shows, worked out by the rules when the
// program was built (tools/return_table), so a start does no work for it and
// the options screen never waits. The build works it out again whenever the
// rules change.
#pragma once

#include "rules/expected_return.h"

namespace quov {

const ReturnTable& builtReturnTable();

}  // namespace quov
