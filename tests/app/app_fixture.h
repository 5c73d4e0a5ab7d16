// Shared pieces of the window tests: the window with its port and game object, a scratch
// working folder (the game reads and writes its settings there), and handlers that only record
// that they ran.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/handlers.h"
#include "app/main_window.h"
#include "app/qt_port.h"

// The window as the program builds it: window, port and game object wired together.
struct GameWindow {
  explicit GameWindow(const GameHandlers& handlers = gameHandlers())
      : window(handlers), port(window), game(port) {
    window.attach(game);
  }
  MainWindow window;
  QtPort port;
  Game game;
};

// Runs the test in an empty working folder.
class InScratchFolder : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch_.path()));
  }
  void TearDown() override { QDir::setCurrent(previous_); }
  QString scratchPath() const { return scratch_.path(); }

 private:
  QTemporaryDir scratch_;
  QString previous_;
};

// What the recording handlers saw, oldest first.
struct Recorded {
  static std::vector<std::string>& calls() {
    static std::vector<std::string> log;
    return log;
  }
};

// The game's table with every procedure replaced by one that records its name (menu entries
// by caption); entries listed in `missing` get no procedure at all.
GameHandlers recordingHandlers(const std::vector<Menu>& missing = {});
