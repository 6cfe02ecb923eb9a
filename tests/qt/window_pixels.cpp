// Prints a digest of the pixels of a rectangle of an X11 window, so a test
// can compare what two windows show.  window_pixels <window id> <x> <y> <w> <h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: window_pixels <window id> <x> <y> <w> <h>\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
  const unsigned w = std::strtoul(argv[4], nullptr, 10), h = std::strtoul(argv[5], nullptr, 10);
  XImage* image = XGetImage(display, window, x, y, w, h, AllPlanes, ZPixmap);
  if (!image) {
    XCloseDisplay(display);
    return 1;
  }
  std::uint64_t digest = 1469598103934665603ull;  // FNV-1a over the pixel values
  for (unsigned row = 0; row < h; ++row)
    for (unsigned col = 0; col < w; ++col) {
      const unsigned long pixel = XGetPixel(image, static_cast<int>(col), static_cast<int>(row));
      for (int b = 0; b < 3; ++b) {
        digest ^= (pixel >> (8 * b)) & 0xFF;
        digest *= 1099511628211ull;
      }
    }
  std::printf("%016llx\n", static_cast<unsigned long long>(digest));
  XDestroyImage(image);
  XCloseDisplay(display);
  return 0;
}
