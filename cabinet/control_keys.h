// The keys of the cabinet's controls. A key works its control exactly as the
// mouse does, through the same input routes: a button's key is a click on
// it, M is the pointer moving over MENU, Escape in the open menu is the
// pointer moving off it. A control that is hidden or disabled ignores its
// key as it ignores a click. The space bar is not here: it belongs to the
// main screen's own key handler. The tooltips and the help read this table.
#pragma once

#include <span>
#include <string>

#include "platform/screen.h"

namespace quov {

class Quov;

// What a key does to its control.
enum class KeyWork : std::uint8_t {
  Click,       // a click on the control
  PointOver,   // the pointer moving over the control
  MenuUp,      // the open menu: the item above
  MenuDown,    // the open menu: the item below
  MenuChoose,  // the open menu: a click on the chosen item
  MenuClose,   // the open menu: the pointer moving off it
  KeyHandler,  // the main screen's key handler (the space bar spins)
};

struct ControlKey {
  char character;       // the key's character, upper case; 0 for a named key
  NamedKey named;       // the named key, None for a character
  const char* keyName;  // the key as the player reads it
  const char* element;  // the control it works
  int index;            // the control's place in its array, -1 for none
  KeyWork work;
  const char* does;  // what it does, as the tooltip and the help say it
};

// Every key of the cabinet, in the order the help lists them.
std::span<const ControlKey> controlKeys();

// The tooltip of a control: what its key does, and the key.
std::string keyToolTip(const ControlKey& key);

class ControlKeys {
 public:
  explicit ControlKeys(Quov& q) : q(q) {}

  // Offers a key to the controls. Letters and digits of the table are
  // always theirs, even when their control cannot act (a held-down key's
  // repeats too); the menu's keys and Escape only while the menu or the
  // payline view has a use for them, otherwise they go on to the key
  // handler as before.
  bool take(const KeyStroke& k);
  // Puts each key into its control's tooltip.
  void writeToolTips();

 private:
  bool work(const ControlKey& key, Element& e);
  bool moveInMenu(int step);
  bool chooseInMenu();
  Element* control(const ControlKey& key) const;
  Quov& q;
};

}  // namespace quov
