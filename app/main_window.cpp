#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>

#include "app/canvas.h"
#include "app/font.h"
#include "app/menu_keys.h"
#include "app/record_panels.h"
#include "app/splash.h"
#include "app/stale_input.h"

namespace {

constexpr double CLIENT_WIDTH = 9200, CLIENT_HEIGHT = 8000;  // twips
constexpr double WINDOW_POINTS = 9;
constexpr int TIMER_MS = 50;
constexpr int KEY_ESC = 27;
// How long a shown window may take to reach the screen, and how often to look.
constexpr qint64 EXPOSE_WAIT_NS = 2'000'000'000;
constexpr qint64 POLL_MS = 10;

std::size_t slot(Menu entry) {
  return static_cast<std::size_t>(entry);
}

}  // namespace

MainWindow::MainWindow(const GameHandlers& handlers)
    : handlers_(handlers),
      canvas_(new Canvas(this)),
      panels_(new RecordPanels(canvas_)),
      splash_(std::make_unique<SplashWindow>()) {
  setWindowTitle(QStringLiteral("Mizuhane"));
  setCentralWidget(canvas_);
  canvas_->setClientSize(CLIENT_WIDTH, CLIENT_HEIGHT);
  // The controls on the window (the record panels) use the window's font.
  canvas_->setFont(windowFont(WINDOW_POINTS, false));
  // The layout is fixed in twips, so the window keeps the size of its drawing surface.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  canvas_->setFocus();
  buildMenus();
  enableMenuKeys(*menuBar());

  timer_.setInterval(TIMER_MS);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (waiting_) return;
    const bool outer = ticking_;
    ticking_ = true;
    run(handlers_.timer);
    ticking_ = outer;
  });
  connect(canvas_, &Canvas::pressed, this, [this](int button, double x, double y) {
    if (handlers_.mouseDown) call([&] { handlers_.mouseDown(*game_, button, x, y); });
  });
  connect(panels_, &RecordPanels::driveChanged, this, [this](bool ready) {
    if (handlers_.driveChange) call([&] { handlers_.driveChange(*game_, ready); });
  });
  connect(panels_, &RecordPanels::folderChanged, this, [this] { run(handlers_.dirChange); });
  connect(panels_, &RecordPanels::fileChosen, this, [this](const std::filesystem::path& file) {
    if (handlers_.fileClick) call([&] { handlers_.fileClick(*game_, file); });
  });
  connect(panels_, &RecordPanels::returnClicked, this, [this] { run(handlers_.returnClick); });
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(Game& game) {
  game_ = &game;
}

void MainWindow::startUp() {
  run(handlers_.startUp);
}

void MainWindow::run(void (*handler)(Game&)) {
  if (handler) call([&] { handler(*game_); });
}

void MainWindow::call(const std::function<void()>& procedure) {
  if (!game_) return;
  ++depth_;
  procedure();
  --depth_;
  if (depth_ == 0) dropInputIfBusy();
}

void MainWindow::dropInputIfBusy() {
  if (!busy_) return;
  busy_ = false;
  // No clock tick either while the queue is emptied: the game is between two procedures.
  const bool outer = waiting_;
  waiting_ = true;
  dropQueuedInput();
  waiting_ = outer;
}

void MainWindow::refresh() {
  canvas_->showDrawing();
  if (depth_ > 0 && !ticking_) busy_ = true;
}

void MainWindow::prepareDialog() {
  canvas_->showDrawing();
  dropInputIfBusy();
}

void MainWindow::buildMenus() {
  std::array<bool, MENU_SIZE> parent{};
  for (const MenuEntry& e : handlers_.menu)
    if (e.parent != Menu::COUNT) parent[slot(e.parent)] = true;

  for (const MenuEntry& e : handlers_.menu) {
    const QString caption = QString::fromUtf8(e.caption);
    QMenu* above = e.parent == Menu::COUNT ? nullptr : menus_[slot(e.parent)];
    QAction* a = nullptr;
    if (parent[slot(e.id)]) {
      QMenu* menu = above ? above->addMenu(caption) : menuBar()->addMenu(caption);
      menus_[slot(e.id)] = menu;
      a = menu->menuAction();
      if (e.handler) connect(menu, &QMenu::aboutToShow, this, [this, h = e.handler] { run(h); });
    } else {
      a = above ? above->addAction(caption) : menuBar()->addAction(caption);
      a->setCheckable(e.checkable);
      a->setEnabled(e.handler != nullptr);
      // The game owns the check marks: undo Qt's own toggle before the game decides.
      connect(a, &QAction::triggered, this, [this, a, h = e.handler](bool checked) {
        if (a->isCheckable()) a->setChecked(!checked);
        run(h);
      });
    }
    actions_[slot(e.id)] = a;
  }
}

QAction* MainWindow::action(Menu entry) const {
  return slot(entry) < MENU_SIZE ? actions_[slot(entry)] : nullptr;
}

bool MainWindow::works(Menu entry) const {
  return menus_[slot(entry)] != nullptr || handlers_.menu[slot(entry)].handler != nullptr;
}

void MainWindow::setChecked(Menu entry, bool checked) {
  QAction* a = action(entry);
  if (!a) return;
  a->setCheckable(true);
  a->setChecked(checked);
}

bool MainWindow::isChecked(Menu entry) const {
  const QAction* a = action(entry);
  return a && a->isChecked();
}

void MainWindow::setEntryEnabled(Menu entry, bool enabled) {
  if (QAction* a = action(entry)) a->setEnabled(enabled && works(entry));
}

void MainWindow::setTimerEnabled(bool enabled) {
  if (!enabled) {
    timer_.stop();
  } else if (!timer_.isActive()) {
    timer_.start();
  }
}

void MainWindow::pause(double seconds) {
  if (!(seconds > 0)) return;
  canvas_->showDrawing();
  if (depth_ > 0) busy_ = true;
  waitWithoutInput(static_cast<qint64>(std::min(seconds, 86400.0) * 1e9), nullptr);
}

void MainWindow::showOnScreen() {
  show();
  // The window's picture reaches the screen once the window system has mapped and exposed it;
  // a message box opened before would stand over an empty window.
  waitWithoutInput(EXPOSE_WAIT_NS,
                   [this] { return windowHandle() && windowHandle()->isExposed(); });
  canvas_->showDrawing();
}

void MainWindow::waitWithoutInput(qint64 nanoseconds, const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  const bool outer = waiting_;
  waiting_ = true;
  QEventLoop loop;
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
  // A monotonic clock decides the end, so the wait ends on time even across midnight; the
  // loop goes round again should the timer fire a little early.
  for (qint64 left = nanoseconds; left > 0 && !(done && done());
       left = nanoseconds - clock.nsecsElapsed()) {
    const qint64 ms = (left + 999'999) / 1'000'000;
    wake.start(static_cast<int>(done ? std::min(ms, POLL_MS) : ms));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  waiting_ = outer;
}

void MainWindow::endProgram() {
  ending_ = true;
  timer_.stop();
  splash_->hide();
  close();
  QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!game_ || !handlers_.keyPress) return QMainWindow::keyPressEvent(event);
  if (event->key() == Qt::Key_Escape) {
    call([this] { handlers_.keyPress(*game_, KEY_ESC); });
    return;
  }
  // What is typed into a record field is not meant for the board.
  const QWidget* focus = focusWidget();
  const QString text = event->text();
  if ((focus && focus != canvas_) || text.isEmpty()) return QMainWindow::keyPressEvent(event);
  const int key = text.at(0).unicode();
  call([this, key] { handlers_.keyPress(*game_, key); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ending_) {
    ending_ = true;
    run(handlers_.unload);
  }
  timer_.stop();
  splash_->hide();
  event->accept();
}
