#include "app/command_line.h"

#include <array>
#include <string_view>

#include "screens/project.h"

namespace quov {

namespace {

struct WindowOption {
  std::string_view name;
  bool takesValue;
};

// The options Qt's application object reads from the command line, in the
// single-dash spelling (it takes the double-dash one too).
constexpr std::array kWindowOptions{
    WindowOption{"-platform", true},   WindowOption{"-platformpluginpath", true},
    WindowOption{"-platformtheme", true}, WindowOption{"-plugin", true},
    WindowOption{"-style", true},      WindowOption{"-stylesheet", true},
    WindowOption{"-qwindowgeometry", true}, WindowOption{"-geometry", true},
    WindowOption{"-qwindowtitle", true}, WindowOption{"-title", true},
    WindowOption{"-qwindowicon", true}, WindowOption{"-icon", true},
    WindowOption{"-display", true},    WindowOption{"-name", true},
    WindowOption{"-session", true},    WindowOption{"-reverse", false},
    WindowOption{"-widgetcount", false}, WindowOption{"-nograb", false},
    WindowOption{"-dograb", false},    WindowOption{"-sync", false},
};

// How many arguments the window option at `arg` uses (itself and its
// value), or 0 when `arg` is none of them.
int windowOptionLength(std::string_view arg) {
  if (arg.starts_with("--")) arg.remove_prefix(1);
  const std::size_t equals = arg.find('=');
  const bool valueAttached = equals != std::string_view::npos;
  const std::string_view name = arg.substr(0, equals);
  for (const WindowOption& o : kWindowOptions)
    if (o.name == name) return o.takesValue && !valueAttached ? 2 : 1;
  return 0;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  if (argc >= 2) {
    const std::string_view first = argv[1];
    // The history commands check their own arguments.
    if (first == "--export" || first == "--check-history") return {Command::History, {}};
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") return {Command::Help, {}};
    if (arg == "--version") return {Command::Version, {}};
  }
  for (int i = 1; i < argc;) {
    const std::string_view arg = argv[i];
    const int length = windowOptionLength(arg);
    if (length == 0) return {Command::Wrong, "unknown option " + std::string(arg)};
    if (i + length > argc) return {Command::Wrong, std::string(arg) + " needs a value"};
    i += length;
  }
  return {Command::Play, {}};
}

const char* helpText() {
  return "Usage: quov [WINDOW OPTION]...\n"
         "       quov --export csv|json FILE\n"
         "       quov --check-history\n"
         "A video slot machine played for pretend money: no real money can be paid\n"
         "in, won or paid out. Without an option the game opens its window.\n"
         "\n"
         "  --export csv|json FILE  write every record of the game history to FILE,\n"
         "                          as CSV or JSON (- for the standard output)\n"
         "  --check-history         check the history file and that every record's\n"
         "                          books balance, and print its meters\n"
         "  -h, --help              print this help and end\n"
         "  --version               print the version and end\n"
         "\n"
         "Window options, read by Qt:\n"
         "  -platform NAME          the window system plug-in (xcb, wayland, offscreen)\n"
         "  -display DISPLAY        the X display to open the window on\n"
         "  -geometry WxH+X+Y       the window's first size and place (X11)\n"
         "  -style NAME             the widget style of the side windows\n"
         "  -stylesheet FILE        a style sheet for the side windows\n"
         "  -reverse                lay the side windows out right to left\n"
         "  also -platformpluginpath, -platformtheme, -plugin, -qwindowgeometry,\n"
         "  -qwindowtitle, -title, -qwindowicon, -icon, -name, -session, -widgetcount,\n"
         "  -nograb, -dograb, -sync\n"
         "\n"
         "Files:\n"
         "  $XDG_CONFIG_HOME/quov/quovslot.ini, allslot.ini  the players' records\n"
         "  $XDG_CONFIG_HOME/quov/window.ini                 the window's place and size\n"
         "  $XDG_DATA_HOME/io.quov.Quov/history.sqlite       the game history\n"
         "  (XDG_CONFIG_HOME defaults to ~/.config, XDG_DATA_HOME to ~/.local/share)\n"
         "\n"
         "Exit status: 0 when all went well, 1 when a history command failed,\n"
         "2 when the command line was not understood.\n"
         "In the game, F1 opens the help.\n";
}

std::string versionText() { return std::string("quov ") + project::kVersion; }

}  // namespace quov
