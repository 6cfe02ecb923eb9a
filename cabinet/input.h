// Routes the player's pointer and keyboard input to the main screen's
// handlers. Both platforms hit-test in twips (Screen::hitTest: topmost
// visible, enabled element) and then call these; nothing reaches a handler
// while the whole screen is disabled.
#pragma once

#include "engine/quov.h"

namespace quov::input {

// A button pressed and released over `e`: the platform calls mouseDown on
// press, mouseUp on release (to the element pressed, wherever the pointer
// is) and click when the release is over the element pressed.
void mouseDown(Quov& q, Element& e);
void mouseUp(Quov& q, Element& e);
void click(Quov& q, Element& e);
// Pointer movement over `e`, or over the bare background when null.
void mouseMove(Quov& q, Element* e);
// A key with its character code (32 for the space bar). Reaches the key
// handler only while KeyPreview is on.
void keyPress(Quov& q, int keyAscii);
// The window's close request.
void closeRequest(Quov& q);

}  // namespace quov::input
