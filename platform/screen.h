// A screen: its own switches, the elements it owns in painting order, and
// the table that routes the player's input on it to the game's handlers. A
// platform hit-tests in twips, then hands the element to the screen; the
// screen's switches decide whether the input reaches a handler at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/element.h"

namespace quov {

enum class WindowState : std::uint8_t { Normal, Minimised, Maximised };

// What the pointer can do to one element; an empty entry does nothing.
struct ElementHandlers {
  std::function<void()> mouseDown, mouseUp, click, mouseMove;
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
  std::function<void()> closeRequest;    // the window's close control

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

  void add(Element& e) {
    e.revision = &revision;
    elements.push_back(&e);
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

  // Input from the platform. A disabled screen takes none; keys reach the
  // key handler only while KeyPreview is on.
  void mouseDown(const Element& e) { deliver(e, &ElementHandlers::mouseDown); }
  void mouseUp(const Element& e) { deliver(e, &ElementHandlers::mouseUp); }
  void click(const Element& e) { deliver(e, &ElementHandlers::click); }
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
  void closeRequest() {
    if (routes.closeRequest) routes.closeRequest();
  }

 private:
  void deliver(const Element& e, std::function<void()> ElementHandlers::*which) {
    if (!enabled) return;
    if (const ElementHandlers* h = routes.find(e))
      if (h->*which) (h->*which)();
  }
};

}  // namespace quov
