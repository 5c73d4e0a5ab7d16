// A port that shows nothing and plays nothing: for the USI engine and the benchmarks, which run
// the computer player without a window.
#pragma once

#include "platform/port.h"

class NullPort : public Port {
 public:
  void drawPicture(int, double, double) override {}
  void drawRect(int, double, double, double, double) override {}
  void drawText(double, double, const std::string&, double, int, bool) override {}
  void setBackColour(int) override {}
  void refresh() override {}
  Answer messageBox(const std::string&, const std::string&, Buttons buttons, Icon) override {
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  void setChecked(Menu, bool) override {}
  bool isChecked(Menu) const override { return false; }
  void setEnabled(Menu, bool) override {}
  void setTimerEnabled(bool) override {}
  bool timerEnabled() const override { return false; }
  float timeOfDay() override { return 0; }
  void wait(double) override {}
  void showMainWindow(bool) override {}
  double mainWindowTop() const override { return 0; }
  void placeMainWindow(double, double, double, double) override {}
  void setSplashSize(double, double) override {}
  void showSplash(bool) override {}
  void placeSplashPicture(int, double, double) override {}
  void showSplashPicture(int, bool) override {}
  void quit() override {}
  void setChooserVisible(bool, bool, bool) override {}
  void setWritePanelVisible(bool) override {}
  std::string fieldText(Field) const override { return {}; }
  void setFieldText(Field, const std::string&) override {}
  std::filesystem::path selectedFolder() const override { return {}; }
  void refreshFileList() override {}
  int32_t dsInitialize() override { return 0; }
  int32_t dsCreateDSB(int32_t, const uint8_t*, std::size_t, int32_t) override { return 0; }
  void dsPlay(int32_t) override {}
  void dsPlayLooping(int32_t) override {}
  void dsStop(int32_t) override {}
  void dsFree(int32_t) override {}
  void dsTerminate(int32_t) override {}
};
