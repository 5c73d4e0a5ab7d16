// The narrow interface between the game and the outside world: canvas, dialogs, menu, timer,
// time, windows, record panels and sound. The Qt program implements it; tests use a recording
// fake. Positions are twips, colours palette indexes 0..15, times seconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Every menu entry the game reads or marks, named after its handler.
enum class Menu {
  TAIKYOKU,   // 対局
  MATCH_MAN,  // 対局(人間)
  START,      // スタート
  START2,     // 対局(COM)
  SENTE,      // 先手
  GOTE,       // 後手
  LEVEL,      // COM対局ﾚﾍﾞﾙ
  LEVEL1,
  LEVEL2,
  LEVEL3,
  OWARI,       // 終わり
  STOP,        // 局面
  CANCEL,      // 最初
  REVERSE,     // 反転
  REPLAY,      // 戻
  AFTER,       // 進
  KIFU,        // 棋譜
  KIFU_WRITE,  // 書込
  KIFU_READ,   // 読込
  KIF_EXPORT,  // KIF書出
  KIFU_LAST,   // 前回の対局
  OPTION,      // ｵﾌﾟｼｮﾝ
  HAIKEI,      // 背景画
  MIDORI,      // 緑
  TATAMI,      // 畳
  TAKE,        // 竹
  UCHU,        // 宇宙
  RENGA,       // 煉瓦
  SIDOU,       // 移動指導
  KEIKA,       // 経過時間
  BGM,
  LBEL_UP,     // △
  LEBEL_DOWN,  // ▽
  VER,         // その他
  COUNT
};

enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

// The four one-line fields of the record write panel.
enum class Field { Text1, Text2, Text3, Text4 };

class Port {
 public:
  virtual ~Port() = default;

  // Canvas. Pictures are drawn at natural size with their top-left corner at (x, y).
  virtual void drawPicture(int code, double x, double y) = 0;
  virtual void drawRect(int colour, double x1, double y1, double x2, double y2) = 0;
  virtual void drawText(double x, double y, const std::string& text, double size, int colour,
                        bool bold) = 0;
  virtual void setBackColour(int colour) = 0;
  virtual void refresh() = 0;

  // Dialogs. Lines of the text are separated by "\r".
  virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                            Icon icon) = 0;

  // Menu entries.
  virtual void setChecked(Menu entry, bool checked) = 0;
  virtual bool isChecked(Menu entry) const = 0;
  virtual void setEnabled(Menu entry, bool enabled) = 0;

  // The one periodic timer (Timer1).
  virtual void setTimerEnabled(bool enabled) = 0;
  virtual bool timerEnabled() const = 0;

  // Time of day in seconds since midnight, and a blocking wait that lets no input through.
  virtual float timeOfDay() = 0;
  virtual void wait(double seconds) = 0;

  // Windows: the main window, the splash window and its three pictures (index 0..2).
  virtual void showMainWindow(bool visible) = 0;
  virtual double mainWindowTop() const = 0;
  virtual void placeMainWindow(double left, double top, double width, double height) = 0;
  virtual void setSplashSize(double width, double height) = 0;
  virtual void showSplash(bool visible) = 0;
  virtual void placeSplashPicture(int index, double left, double top) = 0;
  virtual void showSplashPicture(int index, bool visible) = 0;
  virtual void quit() = 0;

  // Record panels: the file chooser (drive, folder, file lists) and the write panel.
  virtual void setChooserVisible(bool drive, bool folder, bool files) = 0;
  virtual void setWritePanelVisible(bool visible) = 0;
  virtual std::string fieldText(Field field) const = 0;
  virtual void setFieldText(Field field, const std::string& text) = 0;
  virtual std::filesystem::path selectedFolder() const = 0;
  virtual void refreshFileList() = 0;

  // Sound library calls; handles are 32-bit, 0 means none.
  virtual int32_t dsInitialize() = 0;
  virtual int32_t dsCreateDSB(int32_t device, const uint8_t* bytes, std::size_t length,
                              int32_t flags) = 0;
  virtual void dsPlay(int32_t buffer) = 0;
  virtual void dsPlayLooping(int32_t buffer) = 0;
  virtual void dsStop(int32_t buffer) = 0;
  virtual void dsFree(int32_t buffer) = 0;
  virtual void dsTerminate(int32_t device) = 0;
};
