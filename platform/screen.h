// A screen: its own switches, the elements it owns in painting order, and
// the table that routes the player's input on it to the game's handlers. A
// platform hit-tests in twips, then hands the element to the screen; the
// screen's switches decide whether the input reaches a handler at all.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/element.h"

namespace quov {

enum class WindowState : std::uint8_t { Normal, Minimised, Maximised };

// A key as the platform reports it: its character code (0 for none), which
// of the keys the game names it is, and whether the keyboard repeats it
// because it is held down.
enum class NamedKey : std::uint8_t { None, Escape, Enter, Up, Down };
struct KeyStroke {
  int character = 0;
  NamedKey named = NamedKey::None;
  bool repeat = false;
};

// What the pointer and keyboard can do to one element; an empty entry does
// nothing. A key press carries its character code; the handler may swallow
// it by setting it to 0.
struct ElementHandlers {
  std::function<void()> mouseDown, mouseUp, click, mouseMove;
  std::function<void(int&)> keyPress = {};
};

// One row per element that answers input; a new screen or button adds rows.
class InputRoutes {
 public:
  ElementHandlers& operator[](const Element& e) { return rows_[&e]; }
  const ElementHandlers* find(const Element& e) const {
    auto it = rows_.find(&e);
    return it == rows_.end() ? nullptr : &it->second;
  }
  std::function<void()> backgroundMove;  // the pointer over the bare screen
  std::function<void(int&)> keyPress;    // a key's character code; the handler may swallow it
  // A key that works one of the screen's controls; true when it took the key.
  std::function<bool(const KeyStroke&)> controlKey;
  std::function<void()> closeRequest;    // the window's close control
  std::function<void()> activate;        // the window is shown and becomes the active one

 private:
  std::unordered_map<const Element*, ElementHandlers> rows_;
};

struct Screen {
  std::string name;
  std::string caption;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  bool visible = false;
  bool enabled = true;
  bool keyPreview = false;  // KeyPreview: also the main screen's input-allowed flag
  WindowState windowState = WindowState::Normal;
  Revision revision;
  std::vector<Element*> elements;
  InputRoutes routes;
  // Where the game last put the keyboard focus, and how many times it has
  // put it anywhere: a platform moves the focus when the count changes.
  const Element* focus = nullptr;
  std::uint64_t focusMoves = 0;
  // How many times the game has brought the screen to the front.
  std::uint64_t raises = 0;
  // The button Escape presses, as a click on it does: a side screen's way
  // back to the game. None on a screen where Escape is a key like others.
  const Element* cancel = nullptr;

  void add(Element& e) {
    e.revision = &revision;
    elements.push_back(&e);
  }
  // Names `e`, places it (twips, inside `parent` or on the screen itself)
  // and adds it on top of the elements so far.
  Element& add(Element& e, std::string elementName, ElementKind kind, int l, int t, int w, int h,
               Element* parent = nullptr, int index = -1) {
    place(e, std::move(elementName), kind, l, t, w, h, parent, index);
    add(e);
    return e;
  }
  // The same, but just beneath `above`, already on the screen: a part that
  // owns elements of its own puts them at their place in the painting order.
  Element& addBeneath(const Element& above, Element& e, std::string elementName, ElementKind kind,
                      int l, int t, int w, int h, Element* parent = nullptr, int index = -1) {
    place(e, std::move(elementName), kind, l, t, w, h, parent, index);
    e.revision = &revision;
    elements.insert(std::find(elements.begin(), elements.end(), &above), &e);
    return e;
  }
  Element* find(const std::string& elementName, int index = -1) const {
    for (Element* e : elements)
      if (e->name == elementName && e->index == index) return e;
    return nullptr;
  }
  // Topmost element shown and enabled under a point in screen twips.
  Element* hitTest(int x, int y) const {
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
      const Element* e = *it;
      if (e->kind == ElementKind::Line) continue;
      if (!e->shownOnScreen() || !e->enabledOnScreen()) continue;
      int l = e->screenLeft(), t = e->screenTop();
      if (x >= l && x < l + e->width && y >= t && y < t + e->height) return *it;
    }
    return nullptr;
  }

  void setFocus(const Element& e) {
    focus = &e;
    ++focusMoves;
    revision.bump();
  }
  // Shows the screen in front of the others.
  void bringToFront() {
    visible = true;
    ++raises;
    revision.bump();
  }

  // Selecting an option button in code: it becomes the selected one among
  // the option buttons of its container, and its click handler runs at once,
  // inside the caller, as when the player clicks it.
  void select(const Element& option) {
    markSelected(option);
    if (const ElementHandlers* h = routes.find(option))
      if (h->click) h->click();
  }

  // Input from the platform. A disabled screen takes none; keys reach the
  // key handler only while KeyPreview is on. A click on an option button
  // selects it before its handler runs.
  void mouseDown(const Element& e) { deliver(e, &ElementHandlers::mouseDown); }
  void mouseUp(const Element& e) { deliver(e, &ElementHandlers::mouseUp); }
  void click(const Element& e) {
    if (!enabled) return;
    if (e.kind == ElementKind::OptionButton) markSelected(e);
    deliver(e, &ElementHandlers::click);
  }
  // A whole click as the mouse delivers it: down, up, then the click.
  void press(const Element& e) {
    mouseDown(e);
    mouseUp(e);
    click(e);
  }
  // A key pressed while `e` has the focus.
  void keyPress(const Element& e, int& keyAscii) {
    if (!enabled) return;
    if (const ElementHandlers* h = routes.find(e))
      if (h->keyPress) h->keyPress(keyAscii);
  }
  // Pointer movement over `e`, or over the bare background when null.
  void mouseMove(const Element* e) {
    if (!enabled) return;
    if (!e) {
      if (routes.backgroundMove) routes.backgroundMove();
      return;
    }
    deliver(*e, &ElementHandlers::mouseMove);
  }
  void keyPress(int keyAscii) {
    if (enabled && keyPreview && routes.keyPress) routes.keyPress(keyAscii);
  }
  // A key first offered to the screen's controls, which take it whatever
  // the key preview says, as they take clicks. Returns whether one did.
  bool controlKey(const KeyStroke& k) {
    return enabled && routes.controlKey && routes.controlKey(k);
  }
  // A key as the keyboard delivers it: a control's key works its control,
  // any other key with a character reaches the key handler.
  void keyDown(const KeyStroke& k) {
    if (!controlKey(k) && k.character != 0) keyPress(k.character);
  }
  void closeRequest() {
    if (routes.closeRequest) routes.closeRequest();
  }
  // Escape: a click on the cancel button, when it could be clicked now.
  // False when Escape means nothing here.
  bool escape() {
    if (!enabled || !cancel || !cancel->shownOnScreen() || !cancel->enabledOnScreen()) return false;
    click(*cancel);
    return true;
  }

 private:
  static void place(Element& e, std::string elementName, ElementKind kind, int l, int t, int w,
                    int h, Element* parent, int index) {
    e.name = std::move(elementName);
    e.kind = kind;
    e.left = l;
    e.top = t;
    e.width = w;
    e.height = h;
    e.parent = parent;
    e.index = index;
  }
  void markSelected(const Element& option) {
    for (Element* e : elements)
      if (e->kind == ElementKind::OptionButton && e->parent == option.parent)
        e->setValue(e == &option);
  }
  void deliver(const Element& e, std::function<void()> ElementHandlers::*which) {
    if (!enabled) return;
    if (const ElementHandlers* h = routes.find(e))
      if (h->*which) (h->*which)();
  }
};

}  // namespace quov
