// A side screen's window: one real Qt widget per element, chosen by the
// element's kind (a frame is a group box, an option button a radio button, a
// text box a line edit, a command button a push button, a label a label, a
// page a text browser showing the help the program carries, a picture or
// picture button the game's own art), placed at the element's
// twips and kept in step with the element model after every handler:
// caption, selection, text, tool tip, enabled, visible and focus. The
// widgets' signals are the screen's input routes, so keyboard focus, text
// entry, input methods and accessibility are Qt's own. Any side screen built
// of such elements gets its window this way.
#pragma once

#include <QPointer>
#include <QWidget>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "desktop/art/art_cache.h"
#include "desktop/qt_display.h"
#include "desktop/qt_event_loop.h"
#include "desktop/screen_window.h"
#include "platform/screen.h"

namespace quov {

// The art a side screen's element is drawn with: a picture button's own
// (by its name), a picture's (by screen and element, "popupquov.Picture1");
// empty for an element drawn by a widget of Qt's own.
QString formArtName(const Screen& s, const Element& e);

class ScreenForm : public QWidget {
  Q_OBJECT
 public:
  ScreenForm(Screen& screen, QtEventLoop& loop, QtDisplay& display);

  // The window stays above `owner` (it is a dialog of that window).
  void setOwner(QWidget* owner) { window_.setOwner(owner); }
  // The window stands centred over `w` whenever it shows, wherever the
  // screen would place it.
  void centreOver(QWidget* w) { window_.centreOver(w); }

  // The window and its widgets follow the screen. A screen that is shown
  // becomes the active window: its activation runs before it appears.
  void sync();
  QWidget* widgetFor(const Element& e) const;
  Screen& screen() { return screen_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void changeEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* make(Element& e, QWidget* parent);
  void syncWidget(const Element& e, QWidget* w);
  // Each frame's option buttons take one Tab stop between them.
  void keepOptionTabStops();
  void place(bool showing);
  template <class F>
  void deliver(F&& handler);
  Screen& screen_;
  QtEventLoop& loop_;
  QtDisplay& display_;
  art::ArtCache cache_;
  ScreenWindow window_;
  std::vector<std::pair<Element*, QWidget*>> widgets_;
  std::uint64_t syncedRevision_ = ~std::uint64_t{0};
  std::uint64_t focusMoves_ = 0;
  int placedLeft_ = INT_MIN, placedTop_ = INT_MIN;
};

}  // namespace quov
