// The user's folders for settings and caches. Without a home (HOME unset,
// empty or the root) the standard locations would fall under the root of the
// file system; then only an explicit XDG variable names the folder, and
// otherwise there is none and nothing is written.
#pragma once

#include <QStandardPaths>
#include <QString>

namespace quov {

// QStandardPaths' writable `location`, or the empty text when there is no
// home and `xdgVariable` (such as "XDG_CONFIG_HOME") does not name a folder.
QString userFolder(QStandardPaths::StandardLocation location, const char* xdgVariable);

}  // namespace quov
