// The record panels: the controls at their places with their captions, hidden at the start,
// shown and hidden by the game, the chooser's lists working together, and each of them
// reaching the game's procedure.
#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "app/canvas.h"
#include "app/record_panels.h"
#include "app_fixture.h"

namespace {

class Panels : public InScratchFolder {
 protected:
  void SetUp() override {
    InScratchFolder::SetUp();
    Recorded::calls().clear();
    for (const char* name : {"a.棋譜", "b.txt", "c.棋譜"}) touch(name);
    QDir(scratchPath()).mkdir("sub");
    touch("sub/d.棋譜");
  }
  void touch(const QString& name) {
    QFile f(scratchPath() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  template <class T>
  T* control(GameWindow& w, const char* name) {
    T* c = w.window.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QStringList listed(GameWindow& w) {
    QStringList names;
    auto* files = control<QListWidget>(w, "File1");
    for (int i = 0; i < files->count(); ++i) names << files->item(i)->text();
    return names;
  }
};

const char* const ALL[] = {"Drive1",   "Dir1",  "File1", "Label1_0", "Label1_1", "Label1_2",
                           "Label1_3", "Text1", "Text2", "Text3",    "Text4",    "Command1"};

}  // namespace

TEST_F(Panels, ControlsSitAtTheirPlacesAndStartHidden) {
  GameWindow w(recordingHandlers());
  struct Place {
    const char* name;
    QRect pixels;
  };
  // Twips over 15: left and top rounded down, width and height up.
  const Place places[] = {
      {"Drive1", {16, 24, 169, 20}},  {"Dir1", {16, 40, 169, 114}},
      {"File1", {16, 152, 169, 62}},  {"Label1_3", {8, 160, 57, 17}},
      {"Label1_2", {8, 176, 57, 17}}, {"Label1_1", {8, 192, 57, 17}},
      {"Label1_0", {8, 208, 57, 17}}, {"Text2", {64, 160, 153, 18}},
      {"Text3", {64, 176, 153, 18}},  {"Text4", {64, 192, 153, 18}},
      {"Text1", {64, 208, 153, 18}},  {"Command1", {224, 200, 57, 25}},
  };
  for (const Place& p : places) {
    QWidget* c = control<QWidget>(w, p.name);
    EXPECT_EQ(c->geometry(), p.pixels) << p.name;
    EXPECT_EQ(c->parentWidget(), static_cast<QWidget*>(&w.window.canvas())) << p.name;
    EXPECT_TRUE(c->isHidden()) << p.name;
  }
  EXPECT_EQ(control<QLabel>(w, "Label1_3")->text(), "対 局 名：");
  EXPECT_EQ(control<QLabel>(w, "Label1_2")->text(), "先    手 ：");
  EXPECT_EQ(control<QLabel>(w, "Label1_1")->text(), "後    手 ：");
  EXPECT_EQ(control<QLabel>(w, "Label1_0")->text(), "ﾌｧｲﾙ名 ：");
  EXPECT_EQ(control<QPushButton>(w, "Command1")->text(), "RETURN");
}

TEST_F(Panels, TheGameShowsAndHidesThem) {
  GameWindow w(recordingHandlers());
  w.port.setChooserVisible(true, true, false);
  EXPECT_FALSE(control<QWidget>(w, "Drive1")->isHidden());
  EXPECT_FALSE(control<QWidget>(w, "Dir1")->isHidden());
  EXPECT_TRUE(control<QWidget>(w, "File1")->isHidden());
  w.port.setWritePanelVisible(true);
  for (const char* name : ALL) {
    if (std::string(name) != "File1") {
      EXPECT_FALSE(control<QWidget>(w, name)->isHidden()) << name;
    }
  }
  w.port.setChooserVisible(false, false, false);
  w.port.setWritePanelVisible(false);
  for (const char* name : ALL) EXPECT_TRUE(control<QWidget>(w, name)->isHidden()) << name;
}

TEST_F(Panels, FieldsByTheGamesNames) {
  GameWindow w(recordingHandlers());
  const std::pair<Field, const char*> fields[] = {{Field::Text1, "Text1"},
                                                  {Field::Text2, "Text2"},
                                                  {Field::Text3, "Text3"},
                                                  {Field::Text4, "Text4"}};
  for (const auto& [field, name] : fields) {
    const std::string text = std::string("名人戦 ") + name;
    w.port.setFieldText(field, text);
    EXPECT_EQ(control<QLineEdit>(w, name)->text().toStdString(), text);
    control<QLineEdit>(w, name)->setText("ﾃｽﾄ");
    EXPECT_EQ(w.port.fieldText(field), "ﾃｽﾄ");
  }
}

TEST_F(Panels, TheFileListShowsRecordFilesOfTheChosenFolder) {
  GameWindow w(recordingHandlers());
  EXPECT_EQ(w.port.selectedFolder(), QFile::encodeName(scratchPath()).toStdString());
  EXPECT_EQ(listed(w), (QStringList{"a.棋譜", "c.棋譜"}));
  touch("e.棋譜");
  w.port.refreshFileList();
  EXPECT_EQ(listed(w), (QStringList{"a.棋譜", "c.棋譜", "e.棋譜"}));

  auto* tree = control<QTreeView>(w, "Dir1");
  auto* model = qobject_cast<QFileSystemModel*>(tree->model());
  tree->setCurrentIndex(model->index(scratchPath() + "/sub"));
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"dir"});
  EXPECT_EQ(w.port.selectedFolder(), QFile::encodeName(scratchPath() + "/sub").toStdString());
  EXPECT_EQ(listed(w), QStringList{"d.棋譜"});
}

TEST_F(Panels, ChoosingAFileOrReturnReachesTheGame) {
  GameWindow w(recordingHandlers());
  w.window.show();
  w.port.setChooserVisible(true, true, true);
  auto* files = control<QListWidget>(w, "File1");
  const QRect second = files->visualItemRect(files->item(1));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, second.center());
  files->setCurrentRow(0);
  QTest::keyClick(files, Qt::Key_Return);
  w.port.setWritePanelVisible(true);
  QTest::mouseClick(control<QPushButton>(w, "Command1"), Qt::LeftButton);
  EXPECT_EQ(Recorded::calls(), (std::vector<std::string>{"file c.棋譜", "file a.棋譜", "return"}));
}

TEST_F(Panels, ChoosingADriveMovesTheTree) {
  GameWindow w(recordingHandlers());
  auto* drive = control<QComboBox>(w, "Drive1");
  EXPECT_EQ(drive->itemText(0), "/");
  EXPECT_TRUE(driveRoots().contains(QDir::homePath()));
  ASSERT_GE(drive->count(), 2);
  const int other = drive->currentIndex() == 0 ? 1 : 0;
  const QString root = drive->itemText(other);
  drive->setCurrentIndex(other);
  emit drive->activated(other);
  EXPECT_EQ(Recorded::calls(), (std::vector<std::string>{"drive ready", "dir"}));
  EXPECT_EQ(w.port.selectedFolder(), QFile::encodeName(root).toStdString());
  auto* tree = control<QTreeView>(w, "Dir1");
  EXPECT_EQ(qobject_cast<QFileSystemModel*>(tree->model())->filePath(tree->rootIndex()), root);
  // Picking it again is no change.
  emit drive->activated(other);
  EXPECT_EQ(Recorded::calls().size(), 2u);
}

TEST_F(Panels, ADriveThatIsNotReadyLeavesEverythingWhereItWas) {
  GameWindow w(recordingHandlers());
  auto* drive = control<QComboBox>(w, "Drive1");
  const int before = drive->currentIndex();
  drive->addItem(scratchPath() + "/no such medium");
  drive->setCurrentIndex(drive->count() - 1);
  emit drive->activated(drive->count() - 1);
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"drive not ready"});
  EXPECT_EQ(drive->currentIndex(), before);
  EXPECT_EQ(w.port.selectedFolder(), QFile::encodeName(scratchPath()).toStdString());
}
