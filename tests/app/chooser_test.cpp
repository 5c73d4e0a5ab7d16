// The file chooser says where it is: the chosen folder's full path on a line above it (cut in
// the middle when long, whole in its tooltip), each folder's full name as the tooltip of its
// row, expand arrows only on folders that have subfolders, and a folder tree that stays where
// the player put it while folders change on disk.
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include "app_fixture.h"
#include "screen/screen.h"

namespace {

const QString LONG_NAME = QStringLiteral("日本 フォルダ の 棋譜 を 保存 する 場所");

// A home folder of its own with forty folders, the game started in one of them.
class Chooser : public InScratchFolder {
 protected:
  void SetUp() override {
    InScratchFolder::SetUp();
    home_ = scratchPath() + "/home";
    for (int i = 0; i < 40; ++i)
      ASSERT_TRUE(QDir().mkpath(home_ + QString("/d%1").arg(i, 2, 10, QChar('0'))));
    start_ = home_ + "/d20/" + LONG_NAME;
    ASSERT_TRUE(QDir().mkpath(start_));
    oldHome_ = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home_));
    ASSERT_TRUE(QDir::setCurrent(start_));
    window_ = std::make_unique<GameWindow>();
    tree_ = window_->window.findChild<QTreeView*>("Dir1");
    path_ = window_->window.findChild<QLabel*>("FolderPath");
    ASSERT_TRUE(tree_ && path_);
    window_->window.show();
  }
  void TearDown() override {
    window_.reset();
    qputenv("HOME", oldHome_);
    InScratchFolder::TearDown();
  }
  QFileSystemModel& folders() const { return *qobject_cast<QFileSystemModel*>(tree_->model()); }
  QModelIndex folder(const QString& path) const { return folders().index(path); }
  // Waits until the tree has read the folder and lists `rows` folders in it.
  bool listed(const QString& path, int rows) {
    return QTest::qWaitFor([&] { return folders().rowCount(folder(path)) == rows; }, 5000);
  }
  // The row at the top of the tree and where it is drawn.
  std::pair<QString, int> topRow() const {
    const QModelIndex top = tree_->indexAt(QPoint(0, 0));
    return {folders().filePath(top), tree_->visualRect(top).top()};
  }
  bool inView(const QModelIndex& index) const {
    return tree_->viewport()->rect().contains(tree_->visualRect(index));
  }

  QString home_, start_;
  QByteArray oldHome_;
  std::unique_ptr<GameWindow> window_;
  QTreeView* tree_ = nullptr;
  QLabel* path_ = nullptr;
};

}  // namespace

TEST_F(Chooser, TheFullPathStandsAboveTheChooserCutInTheMiddle) {
  Game& g = window_->game;
  EXPECT_TRUE(path_->isHidden());
  struct Case {
    const char* what;
    bool drive, folder, files;
  };
  const Case shown[] = {{"writing", true, true, false}, {"reading", true, true, true}};
  for (const Case& c : shown) {
    描画_可視(g, c.drive, c.folder, c.files);
    EXPECT_FALSE(path_->isHidden()) << c.what;
    EXPECT_EQ(path_->toolTip(), start_) << c.what;
    // Both ends stay: the root it starts from and the end of the folder's name.
    const QString text = path_->text();
    EXPECT_TRUE(text.startsWith(scratchPath().left(4))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(LONG_NAME.right(4))) << text.toStdString();
    EXPECT_TRUE(text.contains(QChar(0x2026))) << text.toStdString();
    EXPECT_LE(path_->fontMetrics().horizontalAdvance(text), path_->contentsRect().width());
    描画_可視(g, false, false, false);
    EXPECT_TRUE(path_->isHidden()) << c.what;
  }
  // The line follows the tree, and the drive list; a short path is shown whole.
  描画_可視(g, true, true, false);
  tree_->setCurrentIndex(folder(home_ + "/d03"));
  EXPECT_TRUE(path_->text().endsWith("/d03"));
  EXPECT_EQ(path_->toolTip(), home_ + "/d03");
  auto* drive = window_->window.findChild<QComboBox*>("Drive1");
  ASSERT_EQ(drive->itemText(0), "/");
  drive->setCurrentIndex(0);
  emit drive->activated(0);
  EXPECT_EQ(path_->text(), "/");
  EXPECT_EQ(path_->toolTip(), "/");
}

TEST_F(Chooser, EachFolderShowsItsFullNameAsATooltip) {
  描画_可視(window_->game, true, true, false);
  const QModelIndex chosen = folder(start_);
  ASSERT_TRUE(QTest::qWaitFor([&] { return inView(chosen); }, 5000));
  const QPoint at = tree_->visualRect(chosen).center();
  QHelpEvent help(QEvent::ToolTip, at, tree_->viewport()->mapToGlobal(at));
  QCoreApplication::sendEvent(tree_->viewport(), &help);
  EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
  EXPECT_EQ(QToolTip::text(), LONG_NAME);
  QToolTip::hideText();
}

TEST_F(Chooser, OnlyFoldersWithSubfoldersCanBeOpened) {
  struct Case {
    const char* name;
    std::vector<QString> inside;  // ending in '/' for a folder
    bool arrow;
  };
  const Case cases[] = {
      {"empty", {}, false},
      {"files only", {"a.棋譜", "b.txt"}, false},
      {"a hidden folder only", {".cache/"}, false},
      {"a folder", {"sub/"}, true},
      {"a folder among files", {"a.棋譜", "sub/", "z.txt"}, true},
  };
  const QString base = home_ + "/d05/";
  for (const Case& c : cases) {
    ASSERT_TRUE(QDir().mkpath(base + c.name));
    for (const QString& entry : c.inside) {
      const QString path = base + c.name + "/" + entry;
      if (entry.endsWith('/')) {
        ASSERT_TRUE(QDir().mkpath(path));
      } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      }
    }
  }
  描画_可視(window_->game, true, true, false);
  for (const Case& c : cases)
    EXPECT_EQ(folders().hasChildren(folder(base + c.name)), c.arrow) << c.name;
  // A folder made in or taken from one the player has not opened shows when the chooser is
  // shown again.
  for (const bool made : {true, false}) {
    QDir empty(base + "empty");
    ASSERT_TRUE(made ? empty.mkdir("new") : empty.rmdir("new"));
    描画_可視(window_->game, false, false, false);
    描画_可視(window_->game, true, true, false);
    EXPECT_EQ(folders().hasChildren(folder(base + "empty")), made);
  }
  // Once opened, a folder shows what it really holds.
  tree_->expand(folder(home_ + "/d05"));
  ASSERT_TRUE(listed(home_ + "/d05", std::size(cases)));
  for (const Case& c : cases) {
    tree_->expand(folder(base + c.name));
    ASSERT_TRUE(listed(base + c.name, c.arrow ? 1 : 0)) << c.name;
    EXPECT_EQ(folders().hasChildren(folder(base + c.name)), c.arrow) << c.name;
  }
}

TEST_F(Chooser, TheTreeStaysWhereThePlayerPutItWhileFoldersChangeOnDisk) {
  描画_可視(window_->game, true, true, false);
  const QPersistentModelIndex chosen(folder(start_));
  // Opening shows the chosen folder, however late the folders above it are read.
  ASSERT_TRUE(listed(home_, 40));
  ASSERT_TRUE(listed(home_ + "/d20", 1));
  QTest::qWait(200);
  EXPECT_TRUE(inView(chosen));

  // The player scrolls up, away from it.
  QScrollBar* bar = tree_->verticalScrollBar();
  bar->setValue(bar->value() / 2);
  ASSERT_FALSE(inView(chosen));
  const auto before = topRow();

  struct Change {
    const char* what;
    std::function<bool()> make;
    QString parent;
    int rows;
  };
  const Change changes[] = {
      {"a folder made first in the home folder", [&] { return QDir(home_).mkdir("a00"); }, home_,
       41},
      {"one made last", [&] { return QDir(home_).mkdir("z99"); }, home_, 42},
      {"one made beside the chosen folder", [&] { return QDir(home_ + "/d20").mkdir("a"); },
       home_ + "/d20", 2},
      {"one removed above", [&] { return QDir(home_).rmdir("a00"); }, home_, 41},
  };
  for (const Change& c : changes) {
    ASSERT_TRUE(c.make()) << c.what;
    ASSERT_TRUE(listed(c.parent, c.rows)) << c.what;
    QTest::qWait(300);
    EXPECT_EQ(topRow(), before) << c.what;
    EXPECT_FALSE(inView(chosen)) << c.what;
  }

  // Shown again, it brings the chosen folder back.
  描画_可視(window_->game, false, false, false);
  描画_可視(window_->game, true, true, true);
  EXPECT_TRUE(inView(chosen));
}
