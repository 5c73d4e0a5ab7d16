// The fixture of the tests of what the player sees: the game window as the program runs it,
// on the private X server, played with real clicks and keys through that server and checked
// against pictures of the server's screen.
#pragma once

#include <QPointer>
#include <QRegion>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "counting_handlers.h"
#include "x_display.h"

class QMessageBox;

// The X display the suite runs on (set by its main()).
std::string& testDisplay();

class OnDisplay : public InScratchFolder {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The program's start-up as main() runs it, splash and all, up to the window on screen.
  void startGame();
  // Closes the window as the player does and makes a new one, not yet started.
  void freshWindow(const GameHandlers& handlers = countingHandlers());

  GameWindow& w() { return *window_; }
  Game& game() { return window_->game; }
  XPlayer& player() { return *player_; }

  // Where a point of a widget is on the screen, as the X server places the widget's window.
  QPoint onScreen(const QWidget* widget, QPoint local) const;
  // The middle of a cell of the window's layout grid (board squares are 1..9, 1..9).
  QPoint cell(double x, double y) const;

  // Real input. Each returns once the game procedure the input led to has returned.
  void clickCell(double x, double y, int button = 1);
  // Opens the menus along the path with real clicks and clicks its last entry.
  void choose(std::initializer_list<Menu> path);
  // Puts the pointer over the board and makes the window the one the keys go to, as a player
  // does by going back to the window (without clicking into it).
  void focusWindow();

  // Lets the program run until `done` holds or the time is up; says whether it held.
  bool waitUntil(const std::function<bool()>& done, double seconds);
  void processEventsFor(int ms);

  // The cells of the layout grid where the screen differs from the game's own picture; the
  // area of the controls on the window (record panels) and `ignore` are left out.
  QStringList staleCells(const QRegion& ignore = {}) const;
  // Expects the screen to show the game's picture within a second, with no other input.
  void expectScreenShowsPicture(const std::string& step);
  // The window as the X server shows it, saved as a PNG file.
  void saveScreenshot(const QString& path) const;

  // Every message box is answered with a real click on its default button, once the server
  // shows it. Its text is noted, and so are the cells of the board around it that were stale
  // when it opened.
  std::vector<std::string> boxes;
  std::vector<std::string> staleUnderBoxes;
  // From now on boxes are answered with the Return key instead, as a player on the keyboard
  // does. As a window manager would, each box gets the keyboard when it opens, and the window
  // gets it back when the box is gone.
  void answerBoxesWithKeys() { boxKeys_ = true; }

 private:
  void answerBox();
  void activate(QWidget& window);
  bool boxKeys_ = false;

  std::unique_ptr<XPlayer> player_;
  std::unique_ptr<GameWindow> window_;
  QTimer boxWatch_;
  QPointer<QMessageBox> answered_;
};
