// The tests of what the player sees run on a private X server of their own, whatever display
// the developer has: Xvfb is started first, then the application is made on it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/font.h"
#include "on_display.h"
#include "x_display.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Room for the window at the top-left and the splash in the middle beside it.
  const PrivateXServer server(1024, 768);
  if (server.display().empty()) {
    std::fprintf(stderr, "%s\n", server.error().c_str());
    return 1;
  }
  testDisplay() = server.display();
  setenv("DISPLAY", server.display().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  unsetenv("WAYLAND_DISPLAY");
  // Sounds play, into nothing.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  loadWindowFont();
  return RUN_ALL_TESTS();
}
