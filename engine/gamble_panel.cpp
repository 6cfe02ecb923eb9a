#include "engine/gamble.h"

#include "rules/gamble.h"

namespace quov {

void GamblePanel::place(Screen& s, const Element& above) {
  s.addBeneath(above, pandouble, "pandouble", ElementKind::Panel, 1500, 600, 9000, 6150).visible =
      false;
  s.addBeneath(above, piccardholder, "piccardholder", ElementKind::Image, 3727, 450, 1545, 2340,
               &pandouble);
  piccardholder.setPicture(ImageListId::Imagelistcards, kCardBack);
  s.addBeneath(above, betred, "betred", ElementKind::PictureButton, 300, 450, 2700, 750,
               &pandouble);
  s.addBeneath(above, betblack, "betblack", ElementKind::PictureButton, 300, 1350, 2700, 750,
               &pandouble);
  s.addBeneath(above, cancelbet, "cancelbet", ElementKind::PictureButton, 300, 2250, 2700, 750,
               &pandouble);
  for (int k = 1; k <= kSuits; ++k) {
    s.addBeneath(above, suitbet[k], "suitbet", ElementKind::PictureButton,
                 6000 + (k - 1) % 2 * 1350, 450 + (k - 1) / 2 * 1200, 1050, 1050, &pandouble, k);
    suitbet[k].setPicture(ImageListId::Imagelistcards, suitIcon(k));
  }
  s.addBeneath(above, risklab, "risklab", ElementKind::Label, 300, 3150, 4200, 450, &pandouble);
  s.addBeneath(above, lblblackred, "lblblackred", ElementKind::Label, 4650, 3150, 4050, 330,
               &pandouble);
  s.addBeneath(above, lblsuit, "lblsuit", ElementKind::Label, 4650, 3480, 4050, 330, &pandouble);
  constexpr int kHistoryLeft[kHistorySlots + 1] = {0, 500, 1100, 1700, 2300, 2900};
  for (int h = 1; h <= kHistorySlots; ++h)
    // 570 twips square: the row's icons, 600 twips apart, stand clear of each other.
    s.addBeneath(above, historypic[h], "historypic", ElementKind::Image, kHistoryLeft[h],
                 kHistoryTop, 570, 570, &pandouble, h)
        .visible = false;
  s.addBeneath(above, gamblewin, "gamblewin", ElementKind::Image, 700, 10, 7500, 1200, &pandouble)
      .visible = false;
  s.addBeneath(above, gamblelose, "gamblelose", ElementKind::Image, 700, 10, 7500, 1200, &pandouble)
      .visible = false;
}

}  // namespace quov
