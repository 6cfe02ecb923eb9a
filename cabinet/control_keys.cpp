// The keys of the cabinet's controls, and how a key works its control
// through the screen's input routes.
#include "cabinet/control_keys.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "mainscreen/quov.h"

namespace quov {

namespace {

constexpr NamedKey kChar = NamedKey::None;

constexpr std::array kKeys{
    ControlKey{' ', kChar, "Space", "btnspin", -1, KeyWork::KeyHandler, "Spin"},
    ControlKey{'C', kChar, "C", "coinsin", -1, KeyWork::Click, "Insert 50 dollars of credit"},
    ControlKey{'L', kChar, "L", "payline", -1, KeyWork::Click, "Choose the lines played"},
    ControlKey{'B', kChar, "B", "btnbet", -1, KeyWork::Click, "Change the bet per line"},
    ControlKey{'A', kChar, "A", "autoplayon", -1, KeyWork::Click, "Switch autoplay on or off"},
    ControlKey{'G', kChar, "G", "doublebutton", -1, KeyWork::Click, "Gamble the win"},
    // The gamble panel's collect first: while it is open it covers the
    // cabinet's.
    ControlKey{'T', kChar, "T", "cancelbet", -1, KeyWork::Click, "Collect what is at risk"},
    ControlKey{'T', kChar, "T", "takewin", -1, KeyWork::Click, "Collect the win"},
    ControlKey{'R', kChar, "R", "betred", -1, KeyWork::Click, "Bet on red"},
    ControlKey{'K', kChar, "K", "betblack", -1, KeyWork::Click, "Bet on black"},
    ControlKey{'1', kChar, "1", "suitbet", 1, KeyWork::Click, "Bet on hearts"},
    ControlKey{'2', kChar, "2", "suitbet", 2, KeyWork::Click, "Bet on clubs"},
    ControlKey{'3', kChar, "3", "suitbet", 3, KeyWork::Click, "Bet on diamonds"},
    ControlKey{'4', kChar, "4", "suitbet", 4, KeyWork::Click, "Bet on spades"},
    ControlKey{'O', kChar, "O", "btnoptions", -1, KeyWork::Click, "Open the options"},
    ControlKey{'M', kChar, "M", "btnopenmenu", -1, KeyWork::PointOver, "Open the menu"},
    ControlKey{0, NamedKey::Up, "Up", "menupic", -1, KeyWork::MenuUp, "Move up the open menu"},
    ControlKey{0, NamedKey::Down, "Down", "menupic", -1, KeyWork::MenuDown,
               "Move down the open menu"},
    ControlKey{0, NamedKey::Enter, "Enter", "menupic", -1, KeyWork::MenuChoose,
               "Choose in the open menu"},
    ControlKey{0, NamedKey::Escape, "Esc", "menupic", -1, KeyWork::MenuClose, "Close the menu"},
    ControlKey{0, NamedKey::Escape, "Esc", "Btnreturn2game", -1, KeyWork::Click,
               "Leave the payline view"},
};

bool matches(const ControlKey& key, const KeyStroke& k) {
  if (key.named != NamedKey::None) return key.named == k.named;
  return k.named == NamedKey::None && k.character > 0 && k.character < 128 &&
         std::toupper(k.character) == key.character;
}

bool live(const Element& e) { return e.shownOnScreen() && e.enabledOnScreen(); }

// The menu's items the player can choose now, top to bottom.
std::vector<Element*> menuItems(Quov& q) {
  std::vector<Element*> items;
  for (Element* e : q.screen.elements)
    if (e->parent == &q.menupic && e->kind == ElementKind::PictureButton && live(*e))
      items.push_back(e);
  std::stable_sort(items.begin(), items.end(),
                   [](const Element* a, const Element* b) { return a->top < b->top; });
  return items;
}

}  // namespace

std::span<const ControlKey> controlKeys() { return kKeys; }

std::string keyToolTip(const ControlKey& key) {
  return std::string(key.does) + " (" + key.keyName + ")";
}

Element* ControlKeys::control(const ControlKey& key) const {
  return q.screen.find(key.element, key.index);
}

void ControlKeys::writeToolTips() {
  for (const ControlKey& key : kKeys)
    if (key.work == KeyWork::Click || key.work == KeyWork::PointOver ||
        key.work == KeyWork::KeyHandler)
      if (Element* e = control(key)) e->setToolTip(keyToolTip(key));
}

bool ControlKeys::take(const KeyStroke& k) {
  bool known = false;
  for (const ControlKey& key : kKeys) {
    if (key.work == KeyWork::KeyHandler || !matches(key, k)) continue;
    known = true;
    Element* e = control(key);
    if (!e || !live(*e)) continue;
    // A held key works its control once; the menu's arrows keep moving.
    if (k.repeat && key.work != KeyWork::MenuUp && key.work != KeyWork::MenuDown) return true;
    if (work(key, *e)) return true;
  }
  return known && k.named == NamedKey::None;
}

bool ControlKeys::work(const ControlKey& key, Element& e) {
  Screen& s = q.screen;
  switch (key.work) {
    case KeyWork::Click:
      s.press(e);
      return true;
    case KeyWork::PointOver:
      s.mouseMove(&e);
      // Opened from the keyboard, the menu starts at its first item.
      if (&e == &q.btnopenmenu && q.menupic.shownOnScreen()) moveInMenu(0);
      return true;
    case KeyWork::MenuUp:
      return moveInMenu(-1);
    case KeyWork::MenuDown:
      return moveInMenu(1);
    case KeyWork::MenuChoose:
      return chooseInMenu();
    case KeyWork::MenuClose:
      s.mouseMove(nullptr);
      return true;
    case KeyWork::KeyHandler:
      break;
  }
  return false;
}

// Moves the keyboard's choice `step` items on, round the menu; 0 chooses the
// first item.
bool ControlKeys::moveInMenu(int step) {
  const std::vector<Element*> items = menuItems(q);
  if (items.empty()) return false;
  const auto at = std::find(items.begin(), items.end(), q.screen.focus);
  const int n = static_cast<int>(items.size());
  int next = 0;
  if (step != 0 && at != items.end())
    next = (static_cast<int>(at - items.begin()) + step + n) % n;
  else if (step < 0)
    next = n - 1;
  q.screen.setFocus(*items[static_cast<std::size_t>(next)]);
  return true;
}

bool ControlKeys::chooseInMenu() {
  const std::vector<Element*> items = menuItems(q);
  const auto at = std::find(items.begin(), items.end(), q.screen.focus);
  if (at == items.end()) return false;
  q.screen.press(**at);
  return true;
}

}  // namespace quov
