// The game's port onto the Qt window and the sound library.
#pragma once

#include "platform/port.h"

class MainWindow;

class QtPort : public Port {
 public:
  explicit QtPort(MainWindow& window) : window_(window) {}

  void drawPicture(int code, double x, double y) override;
  void drawRect(int colour, double x1, double y1, double x2, double y2) override;
  void drawText(double x, double y, const std::string& text, double size, int colour,
                bool bold) override;
  void setBackColour(int colour) override;
  void refresh() override;

  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;

  void setChecked(Menu entry, bool checked) override;
  bool isChecked(Menu entry) const override;
  void setEnabled(Menu entry, bool enabled) override;

  void setTimerEnabled(bool enabled) override;
  bool timerEnabled() const override;

  float timeOfDay() override;
  void wait(double seconds) override;

  void showMainWindow(bool visible) override;
  double mainWindowTop() const override;
  void placeMainWindow(double left, double top, double width, double height) override;
  void setSplashSize(double width, double height) override;
  void showSplash(bool visible) override;
  void placeSplashPicture(int index, double left, double top) override;
  void showSplashPicture(int index, bool visible) override;
  void quit() override;

  void setChooserVisible(bool drive, bool folder, bool files) override;
  void setWritePanelVisible(bool visible) override;
  std::string fieldText(Field field) const override;
  void setFieldText(Field field, const std::string& text) override;
  std::filesystem::path selectedFolder() const override;
  void refreshFileList() override;

  int32_t dsInitialize() override;
  int32_t dsCreateDSB(int32_t device, const uint8_t* bytes, std::size_t length,
                      int32_t flags) override;
  void dsPlay(int32_t buffer) override;
  void dsPlayLooping(int32_t buffer) override;
  void dsStop(int32_t buffer) override;
  void dsFree(int32_t buffer) override;
  void dsTerminate(int32_t device) override;

 private:
  MainWindow& window_;
};
