// The game's main window: the menu bar built from the handler table, the drawing surface with
// the record panels on it, the one periodic timer and the splash window. Every user action is
// passed to the game procedure the table names for it.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

#include "app/handlers.h"

class Canvas;
class QAction;
class QMenu;
class RecordPanels;
class SplashWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const GameHandlers& handlers = gameHandlers());
  ~MainWindow() override;

  // The game whose procedures the window calls; until then input goes nowhere.
  void attach(Game& game);

  Canvas& canvas() const { return *canvas_; }
  RecordPanels& panels() const { return *panels_; }
  SplashWindow& splash() const { return *splash_; }

  // Menu entries by the game's names. An entry without a procedure stays disabled.
  QAction* action(Menu entry) const;
  void setChecked(Menu entry, bool checked);
  bool isChecked(Menu entry) const;
  void setEntryEnabled(Menu entry, bool enabled);

  void setTimerEnabled(bool enabled);
  bool timerEnabled() const { return timer_.isActive(); }

  // Blocks for the given seconds while the window keeps painting; no input and no timer tick
  // reaches the game meanwhile.
  void pause(double seconds);

  // Ends the program: closes the windows without asking the game again and leaves the event
  // loop.
  void endProgram();
  bool ending() const { return ending_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  bool works(Menu entry) const;
  void run(void (*handler)(Game&));

  const GameHandlers& handlers_;
  Game* game_ = nullptr;
  Canvas* canvas_;
  RecordPanels* panels_;
  std::unique_ptr<SplashWindow> splash_;
  std::array<QAction*, MENU_SIZE> actions_{};
  std::array<QMenu*, MENU_SIZE> menus_{};
  QTimer timer_;
  bool waiting_ = false;
  bool ending_ = false;
};
