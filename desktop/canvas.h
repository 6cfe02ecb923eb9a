// A painted screen's window: one widget that paints the screen's element
// model and turns the pointer and keyboard into the screen's input,
// hit-tested in twips of the design screen and handed to the screen's input
// routes. It draws only when the model has changed. A key goes to the
// game's controls first, then to the screen's key handler. The window's own
// keys never reach the game: Ctrl+Q closes the window as its close control
// does, F11 switches full screen on and off, Escape takes a side screen's way
// back (its cancel button), or leaves full screen when the game has no use
// for it. Hovering over an element shows its tooltip.
#pragma once

#include <QWidget>
#include <cstdint>

#include "desktop/canvas_accessible.h"
#include "desktop/element_painter.h"
#include "desktop/qt_event_loop.h"
#include "desktop/view_mapping.h"
#include "platform/screen.h"

namespace quov {

class Canvas : public QWidget {
  Q_OBJECT
 public:
  Canvas(Screen& screen, QtEventLoop& loop);

  ViewMapping mapping() const { return ViewMapping(width(), height()); }
  // Schedules a redraw when the model changed since the last one, and tells
  // a reader what changed.
  void refresh();
  // Redraws at once when the model changed (used before a blocking sleep).
  void paintNow();
  std::uint64_t paintedFrames() const { return frames_; }
  // Line segments over the reel symbols (see ElementPainter); a change
  // redraws.
  void setLinesRaised(bool raised);
  ElementPainter& painter() { return painter_; }
  const Screen& screen() const { return screen_; }

  // What the screen says of itself to assistive technology.
  const ScreenWords& words() const { return words_; }
  void setWords(ScreenWords words) { words_ = std::move(words); }
  // A reader's press on a button: a click, through the screen's input routes.
  void pressElement(const Element& e);
  // The canvas's accessibility interface, while a reader has asked for it.
  void setReader(CanvasAccessible* reader) { reader_ = reader; }

  QSize sizeHint() const override { return {kDesignWidthPx, kDesignHeightPx}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int w) const override { return w * kDesignHeightPx / kDesignWidthPx; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool event(QEvent*) override;

 private:
  Element* elementAt(QPointF windowPos) const;
  bool over(const Element& e, QPointF windowPos) const;
  const Element* toolTipAt(QPointF windowPos) const;
  Screen& screen_;
  QtEventLoop& loop_;
  ElementPainter painter_;
  ScreenWords words_;
  CanvasAccessible* reader_ = nullptr;
  Element* pressed_ = nullptr;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
  std::uint64_t frames_ = 0;
  qreal paintedDpr_ = 0;
};

}  // namespace quov
