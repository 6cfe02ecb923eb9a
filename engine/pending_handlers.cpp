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
void Quov::coinsin_mousedown() {}
void Quov::coinsin_mouseup() {}
void Quov::btnbet_mousedown() {}
void Quov::btnbet_mouseup() {}
void Quov::payline_mousedown() {}
void Quov::payline_mouseup() {}
void Quov::autoplayon_mousedown() {}
void Quov::autoplayon_mouseup() {}
void Quov::Form_KeyPress(int&) {}
void Quov::tmrautospin_tick() {}
void Quov::Form_MouseMove() {}
void Quov::btnopenmenu_mousemove() {}
void Quov::btnoptions_click() {}
void Quov::about_click() {}
void Quov::mnuviewpaytable_click() {}
void Quov::viewpaylines_click() {}
void Quov::Btnreturn2game_click() {}
void Quov::tmrshowbuttons_tick() {}
void Quov::ShowPayline(int) {}
void Quov::PlacePayline(int, bool) {}
void Quov::HidePaylines() {}
void Quov::lin_mousemove(int) {}
void Quov::tmrlineflash_tick() {}

}  // namespace quov
