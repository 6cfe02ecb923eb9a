// The recall screen's background: plainly not the cabinet, so nobody takes
// a recalled game for live play. A grey-green desk with RECALL written large
// and faint across it, and a plate for the text beneath the reels.
#pragma once

#include <QPainter>

namespace quov::art {

// Whole design screen, 800 x 600.
void paintRecallBackground(QPainter& p);

}  // namespace quov::art
