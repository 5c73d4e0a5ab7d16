// A recording fake of the port: it logs drawing calls, sounds and message boxes, answers
// message boxes from a script, and keeps a clock that the test moves by hand.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "platform/port.h"

struct DrawCall {
  enum Kind { Picture, Rect, Text, BackColour, Refresh };
  Kind kind = Picture;
  int code = 0;  // picture code or colour
  double x = 0, y = 0, x2 = 0, y2 = 0;
  std::string text;
  double size = 0;
  bool bold = false;
};

struct MessageCall {
  std::string text, title;
  Buttons buttons;
  Icon icon;
};

struct SoundCall {
  std::string op;  // "init", "create", "play", "loop", "stop", "free", "terminate"
  int32_t handle;
};

class FakePort : public Port {
 public:
  // Recorded calls, oldest first.
  std::vector<DrawCall> draws;
  std::vector<MessageCall> messages;
  std::vector<SoundCall> sounds;
  // Answers for the next message boxes; when empty, OK boxes answer Ok and Yes/No boxes Yes.
  std::deque<Answer> answers;

  float now = 36000;  // time of day; wait() moves it on and wraps at midnight
  bool timer = false;
  bool mainVisible = true, splashVisible = false;
  std::array<bool, 3> splashPictures{};
  double windowTop = 0;
  std::array<double, 4> windowPlace{-1, -1, -1, -1};
  bool quitCalled = false;
  std::array<bool, 3> chooser{};
  bool writePanel = false;
  std::array<std::string, 4> fields;
  std::filesystem::path folder = ".";
  int fileListRefreshes = 0;
  int32_t device = 1;  // what dsInitialize answers
  int32_t nextBuffer = 100;
  std::array<bool, static_cast<int>(Menu::COUNT)> checked{};
  std::array<bool, static_cast<int>(Menu::COUNT)> enabled{};

  FakePort() { enabled.fill(true); }

  void clearLogs() {
    draws.clear();
    messages.clear();
    sounds.clear();
  }
  // The sounds played (play or loop) as handles, in order.
  std::vector<int32_t> played() const;
  // Texts drawn, in order.
  std::vector<std::string> texts() const;

  void drawPicture(int code, double x, double y) override;
  void drawRect(int colour, double x1, double y1, double x2, double y2) override;
  void drawText(double x, double y, const std::string& text, double size, int colour,
                bool bold) override;
  void setBackColour(int colour) override;
  void refresh() override;
  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  void setChecked(Menu entry, bool on) override { checked[static_cast<int>(entry)] = on; }
  bool isChecked(Menu entry) const override { return checked[static_cast<int>(entry)]; }
  void setEnabled(Menu entry, bool on) override { enabled[static_cast<int>(entry)] = on; }
  void setTimerEnabled(bool on) override { timer = on; }
  bool timerEnabled() const override { return timer; }
  float timeOfDay() override { return now; }
  void wait(double seconds) override;
  void showMainWindow(bool visible) override { mainVisible = visible; }
  double mainWindowTop() const override { return windowTop; }
  void placeMainWindow(double left, double top, double width, double height) override {
    windowPlace = {left, top, width, height};
  }
  void setSplashSize(double, double) override {}
  void showSplash(bool visible) override { splashVisible = visible; }
  void placeSplashPicture(int, double, double) override {}
  void showSplashPicture(int index, bool visible) override { splashPictures.at(index) = visible; }
  void quit() override { quitCalled = true; }
  void setChooserVisible(bool drive, bool dir, bool files) override {
    chooser = {drive, dir, files};
  }
  void setWritePanelVisible(bool visible) override { writePanel = visible; }
  std::string fieldText(Field f) const override { return fields.at(static_cast<int>(f)); }
  void setFieldText(Field f, const std::string& text) override {
    fields.at(static_cast<int>(f)) = text;
  }
  std::filesystem::path selectedFolder() const override { return folder; }
  void refreshFileList() override { ++fileListRefreshes; }
  int32_t dsInitialize() override;
  int32_t dsCreateDSB(int32_t device, const uint8_t* bytes, std::size_t length,
                      int32_t flags) override;
  void dsPlay(int32_t buffer) override { sounds.push_back({"play", buffer}); }
  void dsPlayLooping(int32_t buffer) override { sounds.push_back({"loop", buffer}); }
  void dsStop(int32_t buffer) override { sounds.push_back({"stop", buffer}); }
  void dsFree(int32_t buffer) override { sounds.push_back({"free", buffer}); }
  void dsTerminate(int32_t dev) override { sounds.push_back({"terminate", dev}); }
};
