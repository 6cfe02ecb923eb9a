#include "screens/offer_screen.h"

#include "mainscreen/quov.h"

namespace quov {

namespace {
constexpr int kPictureWidthTwips = 500 * kTwipsPerPixel, kPictureHeightTwips = 450 * kTwipsPerPixel;
constexpr int kButtonHeightTwips = 40 * kTwipsPerPixel;
}  // namespace

PopupQuov::PopupQuov(Quov& main) : main_(main) {
  screen.name = "popupquov";
  screen.caption = "Play for Real Money ";
  screen.width = kPictureWidthTwips;
  screen.height = kPictureHeightTwips + kButtonHeightTwips;
  Picture1.name = "Picture1";
  Picture1.kind = ElementKind::Picture;
  Picture1.width = kPictureWidthTwips;
  Picture1.height = kPictureHeightTwips;
  SSCommand2.name = "SSCommand2";
  SSCommand2.kind = ElementKind::PictureButton;
  SSCommand2.top = kPictureHeightTwips;
  SSCommand2.width = kPictureWidthTwips;
  SSCommand2.height = kButtonHeightTwips;
  screen.add(Picture1);
  screen.add(SSCommand2);
  screen.routes[SSCommand2].click = [this] { SSCommand2_click(); };
  screen.routes.closeRequest = [this] { Form_QueryUnload(); };
}

void PopupQuov::Form_Load() {
  main_.m.popupcount = 0;
  screen.visible = true;
}

void PopupQuov::SSCommand2_click() { returnToGame(); }

void PopupQuov::Form_QueryUnload() { returnToGame(); }

void PopupQuov::returnToGame() {
  screen.visible = false;
  main_.screen.visible = true;
}

}  // namespace quov
