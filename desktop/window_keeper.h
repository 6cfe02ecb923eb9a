// Keeps the cabinet window's place, size and full-screen state between runs
// in a small INI file of its own beside the records ("window.ini"), apart
// from the game's store, whose keys are the game's own.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "desktop/window_place.h"

namespace quov {

class WindowKeeper {
 public:
  // An empty `filePath` (no folder for the records) keeps nothing.
  WindowKeeper(QWidget& window, QString filePath);

  // Before the window is first shown: its last place, or `design` centred.
  void restore(QSize design);
  // The window's place now; a full-screen or maximised window keeps the
  // place it returns to.
  void save();

  // The file's contents; none when it is missing or damaged.
  std::optional<WindowPlace> load() const;
  const QString& filePath() const { return path_; }

 private:
  QWidget& window_;
  QString path_;
  QMargins frame_ = kFrameAllowance;  // the last frame seen around the window
};

}  // namespace quov
