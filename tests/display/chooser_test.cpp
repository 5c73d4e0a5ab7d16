// The file chooser on the X server's screen: the full path of a folder with a long Japanese
// name on the line above it and in its tooltip, the folder's name in the tooltip of its row,
// and a folder tree that stays put while a folder above the chosen one changes on disk.
#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeView>

#include "on_display.h"

namespace {

const QString LONG_NAME = QStringLiteral("日本 フォルダ の 棋譜 を 保存 する 場所");

// The game started in a folder with a long Japanese name, two levels down a home folder of
// forty folders, which the chooser shows as its drive.
class ChooserOnScreen : public OnDisplay {
 protected:
  void SetUp() override {
    OnDisplay::SetUp();
    home_ = scratchPath() + "/home";
    for (int i = 0; i < 40; ++i)
      ASSERT_TRUE(QDir().mkpath(home_ + QString("/d%1").arg(i, 2, 10, QChar('0'))));
    start_ = home_ + "/d20/" + LONG_NAME;
    ASSERT_TRUE(QDir().mkpath(start_));
    oldHome_ = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home_));
    ASSERT_TRUE(QDir::setCurrent(start_));
    freshWindow();
    tree_ = w().window.findChild<QTreeView*>("Dir1");
    ASSERT_NE(tree_, nullptr);
  }
  void TearDown() override {
    OnDisplay::TearDown();
    qputenv("HOME", oldHome_);
  }
  QFileSystemModel& folders() const { return *qobject_cast<QFileSystemModel*>(tree_->model()); }
  bool listed(const QString& path, int rows) {
    return waitUntil([&] { return folders().rowCount(folders().index(path)) == rows; }, 10);
  }
  // A widget as the X server shows it, and as it draws itself.
  QImage onScreenImage(const QWidget* widget, const QRect& area) {
    return player().screen(QRect(onScreen(widget, area.topLeft()), area.size()));
  }
  static QImage drawn(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Rests the pointer on the widget until its tooltip shows; the tooltip's text.
  std::string tooltipAt(const QWidget* widget, QPoint local) {
    player().moveTo(cell(5, 5));
    QToolTip::hideText();
    if (!waitUntil([] { return !QToolTip::isVisible(); }, 5)) return "an old tooltip stays";
    player().moveTo(onScreen(widget, local));
    if (!waitUntil([] { return QToolTip::isVisible(); }, 5)) return "no tooltip";
    return QToolTip::text().toStdString();
  }

  QString home_, start_;
  QByteArray oldHome_;
  QTreeView* tree_ = nullptr;
};

}  // namespace

TEST_F(ChooserOnScreen, TheFullPathOfALongJapaneseFolderIsShown) {
  startGame();
  choose({Menu::KIFU, Menu::KIFU_WRITE});
  auto* path = w().window.findChild<QLabel*>("FolderPath");
  ASSERT_NE(path, nullptr);
  ASSERT_TRUE(waitUntil([&] { return path->isVisible(); }, 5));
  // Both ends of the path on the line, the middle left out.
  const QString shown = path->text();
  EXPECT_TRUE(shown.startsWith(scratchPath().left(5))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QStringLiteral("保存 する 場所"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
  // The screen shows the line as it draws itself.
  EXPECT_TRUE(waitUntil([&] { return onScreenImage(path, path->rect()) == drawn(path); }, 5))
      << "the path line is not on the screen";

  // The whole path in the line's tooltip, and the folder's whole name in its row's.
  EXPECT_EQ(tooltipAt(path, path->rect().center()), start_.toStdString());
  const QModelIndex chosen = tree_->currentIndex();
  ASSERT_EQ(folders().filePath(chosen), start_);
  EXPECT_EQ(tooltipAt(tree_->viewport(), tree_->visualRect(chosen).center()),
            LONG_NAME.toStdString());
  // The tooltip is on the screen too.
  QWidget* tip = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(
      waitUntil([&] { return player().screen(QRect(tip->pos(), tip->size())) == drawn(tip); }, 5))
      << "the tooltip is not on the screen";
}

TEST_F(ChooserOnScreen, TheTreeStaysPutWhileAFolderAboveTheChosenOneChanges) {
  startGame();
  choose({Menu::KIFU, Menu::KIFU_WRITE});
  ASSERT_TRUE(listed(home_, 40));
  ASSERT_TRUE(listed(home_ + "/d20", 1));
  const QPersistentModelIndex chosen(tree_->currentIndex());
  const auto inView = [&] { return tree_->viewport()->rect().contains(tree_->visualRect(chosen)); };
  ASSERT_TRUE(waitUntil(inView, 5)) << "the chosen folder is not in view";

  // The player turns the wheel over the tree, away from the chosen folder, and leaves it.
  for (int turn = 0; turn < 4; ++turn) {
    player().click(onScreen(tree_->viewport(), tree_->viewport()->rect().center()), 4);
    processEventsFor(50);
  }
  player().moveTo(cell(5, 5));
  processEventsFor(300);
  ASSERT_FALSE(inView());
  const QRect rows = tree_->viewport()->rect();
  const QImage before = onScreenImage(tree_->viewport(), rows);

  struct Change {
    const char* what;
    QString parent, folder;
    int rows;
  };
  const Change changes[] = {
      {"a folder made first in the home folder", home_, "a00", 41},
      {"a folder made beside the chosen one", home_ + "/d20", "a", 2},
  };
  for (const Change& c : changes) {
    ASSERT_TRUE(QDir(c.parent).mkdir(c.folder)) << c.what;
    ASSERT_TRUE(listed(c.parent, c.rows)) << c.what;
    processEventsFor(500);
    EXPECT_TRUE(onScreenImage(tree_->viewport(), rows) == before) << c.what << " moved the tree";
    EXPECT_FALSE(inView()) << c.what;
  }
}
