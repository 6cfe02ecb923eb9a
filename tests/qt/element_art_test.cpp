// Every element the painter may be asked to draw has art: a picture of an
// image list, a way of painting of its own, or art made for its name.
// Lines and labels are drawn from their own fields and need none; an
// element without area covers no pixel; and a hidden image holder that has
// no picture yet gets one from an image list when the game shows it. A side
// screen's window draws its pictures and picture buttons with art and every
// other element with a widget of Qt's own.
#include <string>
#include <vector>

#include "desktop/art/art_catalogue.h"
#include "desktop/element_styles.h"
#include "desktop/screen_form.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

bool needsArt(const Element& e) {
  if (e.kind == ElementKind::Line || e.kind == ElementKind::Label) return false;
  if (e.width <= 0 || e.height <= 0) return false;
  const bool emptyHolder = e.kind == ElementKind::Image && !e.visible &&
                           e.picture.list == ImageListId::None;
  return !emptyHolder;
}

bool hasArt(const Element& e) {
  if (e.picture.list != ImageListId::None && e.picture.index > 0) return true;
  if (paintRole(e.name) != PaintRole::Plain) return true;
  return art::hasOwnArt(QString::fromStdString(e.name));
}

bool drawnByAWidget(const Screen& s, const Element& e) { return formArtName(s, e).isEmpty(); }
bool hasFormArt(const Screen& s, const Element& e) { return art::hasOwnArt(formArtName(s, e)); }

class ElementArt : public DesktopTest {
 protected:
  // Names of the elements of `screens` that need art and have none, and
  // how many were checked.
  std::vector<std::string> withoutArt(std::initializer_list<const Screen*> screens,
                                      bool sideScreens = false) {
    std::vector<std::string> missing;
    for (const Screen* s : screens)
      for (const Element* e : s->elements) {
        if (!needsArt(*e) || (sideScreens && drawnByAWidget(*s, *e))) continue;
        ++checked;
        if (sideScreens ? hasFormArt(*s, *e) : hasArt(*e)) continue;
        std::string d = s->name + "." + e->name;
        if (e->index >= 0) d += "(" + std::to_string(e->index) + ")";
        missing.push_back(d);
      }
    return missing;
  }
  static std::string listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& n : names) list += "\n  " + n;
    return list;
  }
  int checked = 0;
};

TEST_F(ElementArt, EveryElementOfTheMainScreenHasArt) {
  Cabinet& cabinet = start().cabinet;
  const std::vector<std::string> missing = withoutArt({&cabinet.quov.screen});
  EXPECT_GE(checked, 70) << "the reel windows, frames, markers, buttons and boards";
  EXPECT_TRUE(missing.empty()) << missing.size() << " without art:" << listed(missing);
}

TEST_F(ElementArt, EveryElementOfThePaintedRecallHasArt) {
  Cabinet& cabinet = start().cabinet;
  const std::vector<std::string> missing = withoutArt({&cabinet.quovrecall.screen});
  EXPECT_GT(checked, 0);
  EXPECT_TRUE(missing.empty()) << missing.size() << " without art:" << listed(missing);
}

TEST_F(ElementArt, EveryElementOfTheSideScreensHasArt) {
  Cabinet& cabinet = start().cabinet;
  const std::vector<std::string> missing =
      withoutArt({&cabinet.quovoptions.screen, &cabinet.quovpays.screen,
                  &cabinet.aboutquov.screen, &cabinet.popupquov.screen,
                  &cabinet.quovhelp.screen},
                 /*sideScreens=*/true);
  EXPECT_GE(checked, 5) << "EXIT, the about picture and button, the offer picture and button";
  EXPECT_TRUE(missing.empty()) << missing.size() << " without art:" << listed(missing);
}

}  // namespace
}  // namespace quov::test
