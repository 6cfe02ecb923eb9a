// Who the program is to the desktop. One application id names the launcher
// (io.quov.Quov.desktop), the windows' class on X11 and their app id on
// Wayland, the software-centre entry and the installed icon, so the desktop
// ties every window to its launcher and shows the same icon for both.
#pragma once

#include <QIcon>

namespace quov {

inline constexpr char kAppId[] = "io.quov.Quov";

// The program's icon, drawn from its own SVG at the usual icon sizes.
QIcon appIcon();

// Names the application after its id and gives every window the icon. Call
// once the application object exists, before any window is shown.
void presentToDesktop();

}  // namespace quov
