// Text as the player reads it, by Qt's Unicode tables: capitals by the full
// case mapping, and the length in grapheme clusters (a letter with its
// accents, an emoji with its modifiers, is one character).
#pragma once

#include "platform/services.h"

namespace quov {

class QtTextRules : public TextRules {
 public:
  std::string upper(const std::string& text) override;
  int length(const std::string& text) override;
};

}  // namespace quov
