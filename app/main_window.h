// The game's main window: the menu bar built from the handler table, the drawing surface with
// the record panels on it, the one periodic timer and the splash window. Every user action is
// passed to the game procedure the table names for it. Clicks and keys that arrive while a
// procedure keeps the game busy (the computer's turn, a wait) are dropped, not played later.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
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
  // Runs the game's start-up procedure, as the program does before its event loop.
  void startUp();

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
  // Shows the window and waits, a moment at most, until the screen shows its picture.
  void showOnScreen();
  // Puts what the game drew on the screen now. Outside a clock tick the game asks for it
  // because it goes on working without the event loop, so it is busy.
  void refresh();
  // Before a dialog opens: the drawing is shown and input that piled up while the game was
  // busy is dropped, so it cannot answer the dialog.
  void prepareDialog();

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
  // Calls a game procedure; once the outermost one returns, input that arrived while it kept
  // the game busy is dropped.
  void call(const std::function<void()>& procedure);
  void dropInputIfBusy();
  // Runs the event loop without input and clock ticks until `done` holds (when given) or the
  // time is up.
  void waitWithoutInput(qint64 nanoseconds, const std::function<bool()>& done);

  const GameHandlers handlers_;
  Game* game_ = nullptr;
  Canvas* canvas_;
  RecordPanels* panels_;
  std::unique_ptr<SplashWindow> splash_;
  std::array<QAction*, MENU_SIZE> actions_{};
  std::array<QMenu*, MENU_SIZE> menus_{};
  QTimer timer_;
  bool waiting_ = false;
  bool ending_ = false;
  int depth_ = 0;         // game procedures running, one inside another
  bool ticking_ = false;  // the clock tick is running
  bool busy_ = false;     // a running procedure waited or worked on without the event loop
};
