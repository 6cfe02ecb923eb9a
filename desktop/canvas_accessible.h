// A painted screen as assistive technology sees it. The canvas is one
// widget, so it names its elements itself: each button shown is a push
// button named by its words, enabled or not, pressed by the reader's action
// exactly as a click presses it; a screen that says more of itself (the
// cabinet) adds its meters as text with their values, its reels as a
// description of the symbols they show, and a status line that speaks
// each announcement as it is made. After every handler the canvas reports
// what changed to the reader.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cabinet/screen_reading.h"

namespace quov {

class Canvas;
struct Element;

// What a screen says of itself beyond its buttons; an empty function says
// nothing.
struct ScreenWords {
  std::function<std::vector<MeterReading>()> meters;
  std::function<std::string()> reels;
  // The latest announcement and how many have been made.
  std::function<std::pair<std::uint64_t, std::string>()> announcement;
};

// One thing the reader sees on the canvas, as it stands now.
struct CanvasItem {
  enum class Kind : std::uint8_t { Button, Text, Reels, Status };
  Kind kind;
  QString key;  // the same thing keeps its key while it stays on the screen
  const Element* element = nullptr;  // what it stands on (none for the status)
  QString name, value;
  bool enabled = true;
};

class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(Canvas* canvas);
  ~CanvasAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // The items as they stand; rebuilt by `follow`.
  const std::vector<CanvasItem>& items() const { return items_; }
  const CanvasItem* item(const QString& key) const;
  Canvas& canvas() const;
  // Reads the screen again and tells the reader what changed.
  void follow();

  // Installs the factory that gives every canvas this interface.
  static void install();

 private:
  std::vector<CanvasItem> read() const;
  QAccessibleInterface* interfaceFor(const QString& key) const;
  std::vector<CanvasItem> items_;
  mutable std::map<QString, QAccessible::Id> ids_;
  std::uint64_t announced_ = 0;
};

}  // namespace quov
