// Where the cabinet's window opens: where the player left it, or the design
// size centred on the screen at the first start; never larger than the
// screen's free area, whatever the scale factor. All in the desktop's
// logical pixels, as Qt measures windows.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <optional>

namespace quov {

struct WindowPlace {
  QRect client;     // the window's inside
  QMargins frame;   // the window manager's frame around it, as last seen
  bool fullScreen = false;
};

// Room kept for a frame not seen yet: a title bar and thin borders.
inline constexpr QMargins kFrameAllowance{8, 40, 8, 8};

// `size` shrunk, keeping its proportions, until it fits in `room`; a size
// that fits already is left alone.
QSize shrunkToFit(QSize size, QSize room);

// The window's inside at start, inside the screen's free area `available`:
// the saved place when it fits (moved in far enough to show its frame, shrunk
// when the screen has become smaller); with nothing saved, the `design` size
// shrunk to fit and centred, frame included.
QRect openingPlace(const std::optional<WindowPlace>& saved, const QRect& available, QSize design);

}  // namespace quov
