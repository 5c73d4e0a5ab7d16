#include "on_display.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/canvas.h"

namespace {

constexpr double BAN_X0 = 1050, BAN_Y0 = 100, MASU_W = 495, MASU_H = 615;  // twips
// The grid cells that cover the window, past its edges on every side.
constexpr int FIRST_X = -3, LAST_X = 16, FIRST_Y = -1, LAST_Y = 12;
// The longest a procedure may take: a splash, a computer's move and a few boxes.
constexpr double PROCEDURE_SECONDS = 60;

// The pixels of grid cell (x, y) on the drawing surface.
QRect cellPixels(int x, int y) {
  const auto px = [](double twips) { return static_cast<int>(std::floor(twips / 15)); };
  const int left = px(BAN_X0 + x * MASU_W), top = px(BAN_Y0 + y * MASU_H);
  const int right = px(BAN_X0 + (x + 1) * MASU_W), bottom = px(BAN_Y0 + (y + 1) * MASU_H);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace

std::string& testDisplay() {
  static std::string display;
  return display;
}

void OnDisplay::SetUp() {
  InScratchFolder::SetUp();
  player_ = std::make_unique<XPlayer>(testDisplay());
  ASSERT_TRUE(player_->ready()) << "no X server with XTEST at " << testDisplay();
  freshWindow();
  QObject::connect(&boxWatch_, &QTimer::timeout, [this] { answerBox(); });
  boxWatch_.start(10);
}

void OnDisplay::freshWindow(const GameHandlers& handlers) {
  // Closed as the player closes it, so the game lets go of the sound device for the next one.
  if (window_) window_->window.close();
  window_.reset();
  forgetRuns();
  window_ = std::make_unique<GameWindow>(handlers);
}

void OnDisplay::TearDown() {
  // No message box may open over a board that does not show the game yet.
  for (const std::string& stale : staleUnderBoxes)
    ADD_FAILURE() << "box over a stale board: " << stale;
  boxWatch_.stop();
  if (window_) window_->window.close();
  window_.reset();
  processEventsFor(50);
  player_.reset();
  InScratchFolder::TearDown();
}

void OnDisplay::startGame() {
  w().window.startUp();
  ASSERT_FALSE(w().window.ending());
  w().window.show();
  ASSERT_TRUE(waitUntil([this] { return player().viewable(w().window.winId()); }, 10));
}

QPoint OnDisplay::onScreen(const QWidget* widget, QPoint local) const {
  const QWidget* top = widget->window();
  return player_->origin(top->winId()) + widget->mapTo(top, local);
}

QPoint OnDisplay::cell(double x, double y) const {
  const QPoint middle(static_cast<int>((BAN_X0 + (x + 0.5) * MASU_W) / 15),
                      static_cast<int>((BAN_Y0 + (y + 0.5) * MASU_H) / 15));
  return onScreen(&window_->window.canvas(), middle);
}

bool OnDisplay::waitUntil(const std::function<bool()>& done, double seconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > seconds * 1000) return false;
    QTest::qWait(10);
  }
  return true;
}

void OnDisplay::processEventsFor(int ms) {
  QTest::qWait(ms);
}

void OnDisplay::clickCell(double x, double y, int button) {
  const int before = ran("mouseDown").finished;
  player().click(cell(x, y), button);
  EXPECT_TRUE(waitUntil([&] { return ran("mouseDown").finished > before; }, PROCEDURE_SECONDS))
      << "no board click reached the game at cell " << x << "," << y;
}

void OnDisplay::choose(std::initializer_list<Menu> path) {
  MainWindow& main = w().window;
  const QWidget* opened = main.menuBar();
  const Menu* entry = path.begin();
  for (; entry != path.end(); ++entry) {
    QAction* a = main.action(*entry);
    ASSERT_TRUE(
        waitUntil([&] { return opened->isVisible() && player().viewable(opened->winId()); }, 5))
        << "menu not open for entry " << a->text().toStdString();
    const QRect place = opened == main.menuBar()
                            ? main.menuBar()->actionGeometry(a)
                            : static_cast<const QMenu*>(opened)->actionGeometry(a);
    ASSERT_TRUE(place.isValid()) << a->text().toStdString();
    const int before = ran(*entry).finished;
    player().click(onScreen(opened, place.center()));
    if (a->menu()) {
      opened = a->menu();
      continue;
    }
    EXPECT_TRUE(waitUntil([&] { return ran(*entry).finished > before; }, PROCEDURE_SECONDS))
        << a->text().toStdString() << " did not run";
  }
  EXPECT_TRUE(waitUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5));
}

void OnDisplay::focusWindow() {
  player().moveTo(cell(5, 5));
  w().window.activateWindow();
  EXPECT_TRUE(waitUntil([this] { return QApplication::activeWindow() == &w().window; }, 5));
}

QStringList OnDisplay::staleCells(const QRegion& ignore) const {
  const Canvas& canvas = window_->window.canvas();
  const QImage& picture = canvas.image();
  const QImage shot = player_->screen(QRect(onScreen(&canvas, {0, 0}), canvas.size()));
  if (shot.size() != picture.size()) return {"the window is not on the screen"};
  QRegion skip = ignore;
  for (const QWidget* control : canvas.findChildren<QWidget*>())
    if (control->isVisible()) skip += control->geometry();
  QStringList stale;
  for (int y = FIRST_Y; y <= LAST_Y; ++y) {
    for (int x = FIRST_X; x <= LAST_X; ++x) {
      const QRect area = cellPixels(x, y) & picture.rect();
      if (area.isEmpty() || skip.contains(area)) continue;
      bool same = true;
      for (int py = area.top(); same && py <= area.bottom(); ++py)
        for (int px = area.left(); same && px <= area.right(); ++px)
          same = skip.contains(QPoint(px, py)) || shot.pixel(px, py) == picture.pixel(px, py);
      if (!same) stale << QStringLiteral("(%1,%2)").arg(x).arg(y);
    }
  }
  return stale;
}

void OnDisplay::expectScreenShowsPicture(const std::string& step) {
  QStringList stale;
  QElapsedTimer clock;
  clock.start();
  do {
    stale = staleCells();
    if (stale.isEmpty()) return;
    processEventsFor(20);
  } while (clock.elapsed() < 1000);
  ADD_FAILURE() << step << ": after a second the screen still differs from the game's picture in "
                << stale.size() << " cells: " << stale.join(' ').toStdString();
}

void OnDisplay::saveScreenshot(const QString& path) const {
  const MainWindow& main = window_->window;
  const QImage shot = player_->screen(QRect(player_->origin(main.winId()), main.size()));
  EXPECT_TRUE(shot.save(path)) << path.toStdString();
}

void OnDisplay::activate(QWidget& window) {
  window.activateWindow();
  waitUntil([&] { return QApplication::activeWindow() == &window; }, 5);
}

void OnDisplay::answerBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (boxKeys_ && !box && !QApplication::activePopupWidget() && window_ &&
      window_->window.isVisible() && !QApplication::activeWindow())
    activate(window_->window);
  if (!box || box == answered_ || !box->isVisible() || !player_->viewable(box->winId())) return;
  answered_ = box;
  boxes.push_back(box->text().toStdString());
  // The server shows the box, so it has done everything the game asked before: the board
  // around the box must be the game's picture already.
  const Canvas& canvas = window_->window.canvas();
  if (player_->viewable(window_->window.winId())) {
    const QRect over(player_->origin(box->winId()) - onScreen(&canvas, {0, 0}), box->size());
    const QStringList stale = staleCells(QRegion(over));
    if (!stale.isEmpty())
      staleUnderBoxes.push_back(box->text().toStdString() + ": " + stale.join(' ').toStdString());
  }
  if (boxKeys_) {
    activate(*box);
    player_->key("Return");
    return;
  }
  const QAbstractButton* button = box->defaultButton();
  if (!button) button = box->buttons().value(0);
  if (button) player_->click(onScreen(button, button->rect().center()));
}
