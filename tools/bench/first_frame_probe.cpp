// Measures, from outside, how long the game takes from exec to its first
// picture: waits for a window with the given title to be mapped, then reads
// a small area of it until anything other than black appears there.
//
// Usage: zarvel-first-frame-probe TITLE START_NS X Y W H
//   START_NS is CLOCK_REALTIME in nanoseconds when the game was started
//   (date +%s%N). Prints "mapped MS" and "drawn MS".

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long long NowNs() {
  timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

Window FindNamed(Display* display, Window root, const char* title) {
  Window parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name != nullptr) {
      XWindowAttributes attributes;
      if (std::strcmp(name, title) == 0 &&
          XGetWindowAttributes(display, children[i], &attributes) &&
          attributes.map_state == IsViewable)
        found = children[i];
      XFree(name);
    }
    if (found == 0) found = FindNamed(display, children[i], title);
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s TITLE START_NS X Y W H\n", argv[0]);
    return 2;
  }
  long long start = std::atoll(argv[2]);
  int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
  int w = std::atoi(argv[5]), h = std::atoi(argv[6]);
  Display* display = nullptr;
  long long deadline = NowNs() + 20000000000LL;
  while (display == nullptr && NowNs() < deadline)
    display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  // An X error (a window gone while being looked at, or not yet its full
  // size) must not end the probe.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  Window window = 0;
  while (window == 0 && NowNs() < deadline) {
    window = FindNamed(display, DefaultRootWindow(display), argv[1]);
    if (window == 0) {
      timespec pause{0, 1000000};
      nanosleep(&pause, nullptr);
    }
  }
  if (window == 0) return 1;
  std::printf("mapped %lld\n", (NowNs() - start) / 1000000);
  while (NowNs() < deadline) {
    XImage* image = XGetImage(display, window, x, y, unsigned(w), unsigned(h),
                              AllPlanes, ZPixmap);
    if (image != nullptr) {
      bool drawn = false;
      for (int j = 0; j < h && !drawn; ++j)
        for (int i = 0; i < w && !drawn; ++i)
          drawn = (XGetPixel(image, i, j) & 0xffffff) != 0;
      XDestroyImage(image);
      if (drawn) {
        std::printf("drawn %lld\n", (NowNs() - start) / 1000000);
        return 0;
      }
    }
    timespec pause{0, 1000000};
    nanosleep(&pause, nullptr);
  }
  return 1;
}
