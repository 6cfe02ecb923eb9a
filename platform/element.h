// The element model of a screen: every visible thing the game logic drives is
// one of these plain records. Positions are twips of the 800 x 600 design
// screen (15 twips to the pixel). The logic changes them through the small
// setters below, which only record the change; a platform draws them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quov {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDesignWidthPx = 800;
inline constexpr int kDesignHeightPx = 600;

enum class ElementKind : std::uint8_t {
  Picture,
  Image,
  Label,
  Panel,
  Frame,
  PictureButton,
  CommandButton,
  OptionButton,
  TextBox,
  Line,
  Page,  // a page of the help shipped with the game, named by its caption; the player scrolls it
};

// Art an element can show. Fixed art (a button's face, a strip) is named by
// the element itself; image lists are addressed by list and 1-based picture.
enum class ImageListId : std::uint8_t {
  None,
  ImageList1,      // 13 scatter frames, picture 14 the plain cell frame
  ImageList2,      // 28 portrait frames, 16 badge pictures
  Linepics,        // 25 lit and 25 unlit line numbers
  Imagelistcards,  // card faces, back, suit icons, peel frames
  Jackpotwin,      // 12 jackpot-won frames
};

struct PictureRef {
  ImageListId list = ImageListId::None;
  int index = 0;    // 1-based picture of the list, 0 = the element's own art
  int overlay = 0;  // 1-based picture drawn over `index` (mask transparent), 0 none
  friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

// Shared change counter of one screen: every setter bumps it, so a painter
// knows whether anything needs drawing without comparing the whole model.
struct Revision {
  std::uint64_t value = 0;
  void bump() { ++value; }
};

struct Element {
  std::string name;
  int index = -1;  // position in its control array, -1 when not an array member
  ElementKind kind = ElementKind::Picture;
  Element* parent = nullptr;  // container; Left/Top are relative to it
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  std::string caption;  // a label's or button's words; a text box's text; a page's name
  std::string toolTip;
  bool value = false;   // an option button: whether it is the selected one
  PictureRef picture;
  // Line segments only.
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::uint32_t colour = 0;  // 0xRRGGBB
  int lineWidthPx = 1;

  Revision* revision = nullptr;

  void show() { set(visible, true); }
  void hide() { set(visible, false); }
  void setVisible(bool v) { set(visible, v); }
  void enable() { set(enabled, true); }
  void disable() { set(enabled, false); }
  void setEnabled(bool v) { set(enabled, v); }
  void setCaption(std::string&& text) {
    if (caption != text) {
      caption = std::move(text);
      touch();
    }
  }
  // A caption kept elsewhere is compared before anything is copied.
  void setCaption(const std::string& text) {
    if (caption != text) {
      caption = text;
      touch();
    }
  }
  void setToolTip(std::string text) {
    if (toolTip != text) {
      toolTip = std::move(text);
      touch();
    }
  }
  void move(int l, int t) {
    if (left != l || top != t) {
      left = l;
      top = t;
      touch();
    }
  }
  void setPicture(ImageListId list, int idx, int over = 0) {
    PictureRef p{list, idx, over};
    if (!(picture == p)) {
      picture = p;
      touch();
    }
  }
  void setLine(float ax1, float ay1, float ax2, float ay2) {
    x1 = ax1;
    y1 = ay1;
    x2 = ax2;
    y2 = ay2;
    touch();
  }
  void setColour(std::uint32_t rgb) { set(colour, rgb); }
  void setValue(bool v) { set(value, v); }

  // Left and Top on the screen, following the containers.
  int screenLeft() const { return left + (parent ? parent->screenLeft() : 0); }
  int screenTop() const { return top + (parent ? parent->screenTop() : 0); }
  // Shown only when it and every container are visible.
  bool shownOnScreen() const { return visible && (!parent || parent->shownOnScreen()); }
  bool enabledOnScreen() const { return enabled && (!parent || parent->enabledOnScreen()); }

 private:
  template <class T>
  void set(T& field, T v) {
    if (field != v) {
      field = v;
      touch();
    }
  }
  void touch() {
    if (revision) revision->bump();
  }
};

}  // namespace quov
