#include "cabinet/input.h"

namespace quov::input {

void mouseDown(Quov& q, Element& e) {
  if (!q.screen.enabled) return;
  if (&e == &q.coinsin) q.coinsin_mousedown();
  else if (&e == &q.btnbet) q.btnbet_mousedown();
  else if (&e == &q.payline) q.payline_mousedown();
  else if (&e == &q.autoplayon) q.autoplayon_mousedown();
  else if (&e == &q.doublebutton) q.doublebutton_mousedown();
}

void mouseUp(Quov& q, Element& e) {
  if (!q.screen.enabled) return;
  if (&e == &q.btnspin) q.btnspin_mouseup();
  else if (&e == &q.coinsin) q.coinsin_mouseup();
  else if (&e == &q.btnbet) q.btnbet_mouseup();
  else if (&e == &q.payline) q.payline_mouseup();
  else if (&e == &q.autoplayon) q.autoplayon_mouseup();
}

void click(Quov& q, Element& e) {
  if (!q.screen.enabled) return;
  if (&e == &q.btnspin) q.btnspin_click();
  else if (&e == &q.takewin) q.takewin_click();
  else if (&e == &q.betred) q.betred_click();
  else if (&e == &q.betblack) q.betblack_click();
  else if (&e == &q.cancelbet) q.cancelbet_click();
  else if (&e == &q.btnoptions) q.btnoptions_click();
  else if (&e == &q.about) q.about_click();
  else if (&e == &q.mnuviewpaytable) q.mnuviewpaytable_click();
  else if (&e == &q.viewpaylines) q.viewpaylines_click();
  else if (&e == &q.xit) q.xit_click();
  else if (&e == &q.Btnreturn2game) q.Btnreturn2game_click();
  else
    for (int k = 1; k <= 4; ++k)
      if (&e == &q.suitbet[k]) q.suitbet_click(k);
}

void mouseMove(Quov& q, Element* e) {
  if (!q.screen.enabled) return;
  if (!e) {
    q.Form_MouseMove();
    return;
  }
  if (e == &q.btnopenmenu) {
    q.btnopenmenu_mousemove();
    return;
  }
  for (int k = 1; k <= 26; ++k)
    if (e == &q.lin[k]) q.lin_mousemove(k);
}

void keyPress(Quov& q, int keyAscii) {
  if (!q.screen.enabled || !q.screen.keyPreview) return;
  q.Form_KeyPress(keyAscii);
}

void closeRequest(Quov& q) { q.Form_QueryUnload(); }

}  // namespace quov::input
