// Widgets that show the game's own art on a side screen: a picture, and a
// picture button that takes focus, answers the keyboard and names itself to
// assistive technology like any other button. Its focus ring shows once the
// keyboard is in use (focus moved by Tab, or a key pressed on it), not when
// a window merely gives it the focus as it opens. Both render through a shared
// cache at the window's device pixel ratio, so they stay crisp when scaled.
#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include "desktop/art/art_cache.h"

namespace quov {

class ArtPicture : public QWidget {
  Q_OBJECT
 public:
  ArtPicture(QString art, art::ArtCache& cache, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString art_;
  art::ArtCache& cache_;
};

class ArtButton : public QAbstractButton {
  Q_OBJECT
 public:
  // `art` names the face; a face drawn by the button art has its pressed
  // look, any other picture darkens while pressed.
  ArtButton(QString art, art::ArtCache& cache, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  QString art_;
  art::ArtCache& cache_;
  bool hovered_ = false;
  bool keyboardFocus_ = false;  // the focus came from the keyboard
};

}  // namespace quov
