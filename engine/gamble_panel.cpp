#include "engine/gamble.h"

#include "rules/gamble.h"

namespace quov {

void GamblePanel::place(Screen& s, const Element& above) {
  const auto define = [&s, &above](Element& e, const char* name, ElementKind kind, int l, int t,
                                   int w, int h, bool visible, Element* parent, int index = -1) {
    e.name = name;
    e.index = index;
    e.kind = kind;
    e.left = l;
    e.top = t;
    e.width = w;
    e.height = h;
    e.visible = visible;
    e.parent = parent;
    s.addBeneath(e, above);
  };
  define(pandouble, "pandouble", ElementKind::Panel, 1500, 600, 9000, 6150, false, nullptr);
  define(piccardholder, "piccardholder", ElementKind::Image, 3727, 450, 1545, 2340, true,
         &pandouble);
  piccardholder.setPicture(ImageListId::Imagelistcards, kCardBack);
  define(betred, "betred", ElementKind::PictureButton, 300, 450, 2700, 750, true, &pandouble);
  define(betblack, "betblack", ElementKind::PictureButton, 300, 1350, 2700, 750, true,
         &pandouble);
  define(cancelbet, "cancelbet", ElementKind::PictureButton, 300, 2250, 2700, 750, true,
         &pandouble);
  for (int k = 1; k <= kSuits; ++k) {
    define(suitbet[k], "suitbet", ElementKind::PictureButton, 6000 + (k - 1) % 2 * 1350,
           450 + (k - 1) / 2 * 1200, 1050, 1050, true, &pandouble, k);
    suitbet[k].setPicture(ImageListId::Imagelistcards, suitIcon(k));
  }
  define(risklab, "risklab", ElementKind::Label, 300, 3150, 4200, 450, true, &pandouble);
  define(lblblackred, "lblblackred", ElementKind::Label, 4650, 3150, 4050, 330, true,
         &pandouble);
  define(lblsuit, "lblsuit", ElementKind::Label, 4650, 3480, 4050, 330, true, &pandouble);
  constexpr int kHistoryLeft[kHistorySlots + 1] = {0, 500, 1100, 1700, 2300, 2900};
  for (int h = 1; h <= kHistorySlots; ++h)
    // 570 twips square: the row's icons, 600 twips apart, stand clear of each other.
    define(historypic[h], "historypic", ElementKind::Image, kHistoryLeft[h], kHistoryTop, 570,
           570, false, &pandouble, h);
  define(gamblewin, "gamblewin", ElementKind::Image, 700, 10, 7500, 1200, false, &pandouble);
  define(gamblelose, "gamblelose", ElementKind::Image, 700, 10, 7500, 1200, false, &pandouble);
}

}  // namespace quov
