// A private X server for the tests of what the player sees, and a player on it: a connection
// of its own that makes real pointer and key events through the server's XTEST extension and
// takes pictures of the server's screen, as a screenshot tool would. The game never learns
// that the events are made up, and the pictures show what reached the screen, not what the
// game meant to draw.
#pragma once

#include <sys/types.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <string>

// Xvfb on a free display number, ended with the object.
class PrivateXServer {
 public:
  PrivateXServer(int width, int height);
  ~PrivateXServer();
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  // ":N", or empty when the server could not be started (error() says why).
  const std::string& display() const { return display_; }
  const std::string& error() const { return error_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
  std::string error_;
};

class XPlayer {
 public:
  explicit XPlayer(const std::string& display);
  ~XPlayer();
  XPlayer(const XPlayer&) = delete;
  XPlayer& operator=(const XPlayer&) = delete;

  // Connected, and the server has the XTEST extension.
  bool ready() const;

  // Positions are on the root window (the whole screen). Every call returns once the server
  // has made the events.
  void moveTo(QPoint at);
  void click(QPoint at, int button = 1);
  void press(int button);
  void release(int button);
  // A key by its X name ("Return", "Escape", "F10", "Tab", "a"), pressed and released.
  void key(const char* name);
  void keyDown(const char* name);
  void keyUp(const char* name);

  // The screen as the server shows it, or a part of it.
  QImage screen() const;
  QImage screen(const QRect& area) const;
  // Where the top-left corner of a window (by its X id) is on the screen.
  QPoint origin(unsigned long window) const;
  // The window is mapped and its parents too, as far as the server knows.
  bool viewable(unsigned long window) const;

 private:
  void sync() const;
  void fakeKey(const char* name, bool down);

  struct _XDisplay* display_ = nullptr;
};
