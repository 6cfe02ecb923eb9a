#include "screens/pays_screen.h"

#include "mainscreen/quov.h"

namespace quov {

QuovPays::QuovPays(Quov& main) : main_(main) {
  screen.name = "quovpays";
  screen.caption = "QUOV PAYTABLE";
  screen.width = 8940;
  screen.height = 6795;
  screen.add(btnunloadpays, "btnunloadpays", ElementKind::PictureButton, 5940, 855, 2040, 510);
  screen.routes[btnunloadpays].click = [this] { btnunloadpays_click(); };
  screen.cancel = &btnunloadpays;  // Escape leaves as EXIT does
  screen.routes.activate = [this] { Form_Activate(); };
  screen.routes.closeRequest = [this] { Form_QueryUnload(); };
}

void QuovPays::Form_Load() {
  screen.visible = true;
  screen.left = (main_.p.display.widthTwips() - screen.width) / 2;
  screen.top = (main_.p.display.heightTwips() - screen.height) / 2;
}

void QuovPays::Form_Activate() {
  screen.left = main_.p.display.widthTwips() / 2 - screen.width / 2;
  screen.top = main_.p.display.heightTwips() / 2 - screen.height / 2;
}

void QuovPays::CenterForm(Screen& s) {
  if (s.windowState != WindowState::Normal) return;
  s.left = (main_.p.display.widthTwips() - s.width) / 2;
  s.top = (main_.p.display.heightTwips() - s.height) / 2;
}

void QuovPays::btnunloadpays_click() { unload(); }
void QuovPays::Form_QueryUnload() { unload(); }

void QuovPays::unload() {
  main_.screen.enabled = true;
  screen.visible = false;
}

}  // namespace quov
