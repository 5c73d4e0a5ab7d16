#include "x_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cstdint>

namespace {

// Errors of the player's requests (a window gone meanwhile, say) are answered by the request's
// own result; Xlib's default would end the test program.
int ignoreXError(Display*, XErrorEvent*) {
  return 0;
}

// Reads the display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd) {
  std::string number;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 20'000) <= 0) return {};
    char c;
    if (read(fd, &c, 1) != 1) return {};
    if (c == '\n') return number;
    number += c;
  }
}

// 8 bits of a colour from a pixel under a channel mask.
int channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const unsigned long top = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255 / top);
}

}  // namespace

PrivateXServer::PrivateXServer(int width, int height) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    error_ = "no pipe for Xvfb";
    return;
  }
  const std::string fd = std::to_string(fds[1]);
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  pid_ = fork();
  if (pid_ == 0) {
    fcntl(fds[1], F_SETFD, 0);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  const std::string number = pid_ > 0 ? readDisplayNumber(fds[0]) : std::string();
  close(fds[0]);
  if (number.empty()) {
    error_ = "Xvfb did not start (Debian package: xvfb)";
    return;
  }
  display_ = ":" + number;
}

PrivateXServer::~PrivateXServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

XPlayer::XPlayer(const std::string& display) {
  XSetErrorHandler(ignoreXError);
  display_ = XOpenDisplay(display.c_str());
}

XPlayer::~XPlayer() {
  if (display_) XCloseDisplay(display_);
}

bool XPlayer::ready() const {
  int event, error, major, minor;
  return display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
}

void XPlayer::sync() const {
  XSync(display_, False);
}

void XPlayer::moveTo(QPoint at) {
  XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
  sync();
}

void XPlayer::press(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), True, CurrentTime);
  sync();
}

void XPlayer::release(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), False, CurrentTime);
  sync();
}

void XPlayer::click(QPoint at, int button) {
  moveTo(at);
  press(button);
  release(button);
}

void XPlayer::fakeKey(const char* name, bool down) {
  const KeySym sym = XStringToKeysym(name);
  const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
  if (code == 0) return;
  XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
  sync();
}

void XPlayer::keyDown(const char* name) {
  fakeKey(name, true);
}

void XPlayer::keyUp(const char* name) {
  fakeKey(name, false);
}

void XPlayer::key(const char* name) {
  keyDown(name);
  keyUp(name);
}

QImage XPlayer::screen() const {
  const Screen* s = DefaultScreenOfDisplay(display_);
  return screen(QRect(0, 0, s->width, s->height));
}

QImage XPlayer::screen(const QRect& area) const {
  const Screen* s = DefaultScreenOfDisplay(display_);
  const QRect inside = area & QRect(0, 0, s->width, s->height);
  if (inside.isEmpty()) return {};
  XImage* shot = XGetImage(display_, DefaultRootWindow(display_), inside.x(), inside.y(),
                           static_cast<unsigned>(inside.width()),
                           static_cast<unsigned>(inside.height()), AllPlanes, ZPixmap);
  if (!shot) return {};
  QImage image(inside.size(), QImage::Format_RGB32);
  for (int y = 0; y < inside.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < inside.width(); ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      line[x] = qRgb(channel(pixel, shot->red_mask), channel(pixel, shot->green_mask),
                     channel(pixel, shot->blue_mask));
    }
  }
  XDestroyImage(shot);
  return image;
}

QPoint XPlayer::origin(unsigned long window) const {
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y};
}

bool XPlayer::viewable(unsigned long window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}
