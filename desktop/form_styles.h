// The look of the side screens' widgets, in the cabinet's colours: one
// style sheet for all of them, and the few elements that look their own way
// (by object name: the element's name and index).
#pragma once

#include <QString>
#include <string>

namespace quov {

QString formStyleSheet(const std::string& screenName);

}  // namespace quov
