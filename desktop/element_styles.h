// How the painter draws particular elements, as data keyed by element name:
// the few elements painted in a way of their own (a reel's strip, a suit
// button carrying its icon), and the look of every label's caption.
#pragma once

#include <QColor>
#include <string>

namespace quov {

enum class PaintRole {
  Plain,       // by its kind: a line, a label, a list picture or its own art
  ReelStrip,   // the strip's symbols, cell by cell
  IconButton,  // its own face with its list picture laid over it
};

PaintRole paintRole(const std::string& elementName);

struct LabelStyle {
  QColor colour{255, 250, 230};
  qreal heightShare = 0.62;  // the font size as a share of the label's height
  int align = Qt::AlignCenter;
  bool pill = false;         // written on a dark rounded plate
  qreal maxDesignPx = 0;     // the font size at most, in design pixels; 0 no limit
};

const LabelStyle& labelStyle(const std::string& elementName);

}  // namespace quov
