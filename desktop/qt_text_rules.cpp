#include "desktop/qt_text_rules.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace quov {

std::string QtTextRules::upper(const std::string& text) {
  return QString::fromStdString(text).toUpper().toStdString();
}

int QtTextRules::length(const std::string& text) {
  const QString s = QString::fromStdString(text);
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, s);
  int n = 0;
  while (graphemes.toNextBoundary() != -1) ++n;
  return n;
}

}  // namespace quov
