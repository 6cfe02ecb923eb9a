// TEMPORARY: handlers whose subsystems are still being built. Each one moves
// to its own file as it is written; this file must be gone before release.
#include "engine/quov.h"

namespace quov {

void Quov::Timer4_tick() {}
void Quov::timerwild_tick() {}
void Quov::tmrbell_tick() {}
void Quov::tmrdecidejackpot_tick() {}
void Quov::tmrshowjackpot_tick() {}
void Quov::startJackpotTime() {}
void Quov::doublebutton_mousedown() {}
void Quov::betred_click() {}
void Quov::betblack_click() {}
void Quov::suitbet_click(int) {}
void Quov::cancelbet_click() {}

}  // namespace quov
