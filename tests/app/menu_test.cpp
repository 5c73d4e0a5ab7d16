// The menu bar: every entry with its caption in its place, the procedure each one runs, check
// marks that only the game sets, and entries without a procedure kept disabled.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "app_fixture.h"

namespace {

// The menu bar written out as "caption[child, child]", entries separated by ", ".
QString outline(const QList<QAction*>& actions) {
  QStringList parts;
  for (const QAction* a : actions) {
    QString part = a->text();
    if (a->menu()) part += "[" + outline(a->menu()->actions()) + "]";
    parts << part;
  }
  return parts.join(", ");
}

struct Caption {
  Menu entry;
  const char* caption;
};

const Caption CAPTIONS[] = {
    {Menu::TAIKYOKU, "対局"},
    {Menu::MATCH_MAN, "対局(人間)"},
    {Menu::START, "スタート"},
    {Menu::START2, "対局(COM)"},
    {Menu::SENTE, "先手"},
    {Menu::GOTE, "後手"},
    {Menu::LEVEL, "COM対局ﾚﾍﾞﾙ"},
    {Menu::LEVEL1, "LEVEL1"},
    {Menu::LEVEL2, "LEVEL2"},
    {Menu::LEVEL3, "LEVEL3"},
    {Menu::OWARI, "終わり"},
    {Menu::STOP, "局面"},
    {Menu::CANCEL, "最初"},
    {Menu::REVERSE, "反転"},
    {Menu::REPLAY, "戻"},
    {Menu::AFTER, "進"},
    {Menu::KIFU, "棋譜"},
    {Menu::KIFU_WRITE, "書込"},
    {Menu::KIFU_READ, "読込"},
    {Menu::KIF_EXPORT, "KIF書出"},
    {Menu::KIFU_LAST, "前回の対局"},
    {Menu::OPTION, "ｵﾌﾟｼｮﾝ"},
    {Menu::HAIKEI, "背景画"},
    {Menu::MIDORI, "緑"},
    {Menu::TATAMI, "畳"},
    {Menu::TAKE, "竹"},
    {Menu::UCHU, "宇宙"},
    {Menu::RENGA, "煉瓦"},
    {Menu::SIDOU, "移動指導"},
    {Menu::KEIKA, "経過時間"},
    {Menu::BGM, "BGM"},
    {Menu::LBEL_UP, "△"},
    {Menu::LEBEL_DOWN, "▽"},
    {Menu::VER, "その他"},
};

const Menu CHECKABLE[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::MIDORI,
                          Menu::TATAMI, Menu::TAKE,   Menu::UCHU,   Menu::RENGA,
                          Menu::SIDOU,  Menu::KEIKA,  Menu::BGM};

}  // namespace

TEST(Menu, EveryEntryHasItsCaptionInItsPlace) {
  GameWindow w;
  EXPECT_EQ(outline(w.window.menuBar()->actions()).toStdString(),
            "対局[対局(人間)[スタート], 対局(COM)[先手, 後手], COM対局ﾚﾍﾞﾙ[LEVEL1, LEVEL2, "
            "LEVEL3], 終わり], 局面[最初, 反転], 戻, 進, 棋譜[書込, 読込, KIF書出, 前回の対局], "
            "ｵﾌﾟｼｮﾝ[背景画[緑, 畳, "
            "竹, 宇宙, 煉瓦], 移動指導, 経過時間, BGM], △, ▽, その他");
  static_assert(std::size(CAPTIONS) == MENU_SIZE);
  for (const Caption& c : CAPTIONS) {
    const QAction* a = w.window.action(c.entry);
    ASSERT_NE(a, nullptr) << c.caption;
    EXPECT_EQ(a->text().toStdString(), c.caption);
  }
  for (Menu m : CHECKABLE) EXPECT_TRUE(w.window.action(m)->isCheckable()) << static_cast<int>(m);
}

TEST(Menu, EachEntryRunsItsOwnProcedure) {
  GameWindow w(recordingHandlers());
  for (const Caption& c : CAPTIONS) {
    QAction* a = w.window.action(c.entry);
    Recorded::calls().clear();
    if (a->menu()) {
      a->menu()->popup(QPoint(0, 0));
      a->menu()->hide();
    } else {
      a->trigger();
    }
    EXPECT_EQ(Recorded::calls(), std::vector<std::string>{c.caption});
  }
}

TEST(Menu, AnEntryWithoutProcedureStaysDisabled) {
  GameWindow w(recordingHandlers({Menu::KIFU_WRITE, Menu::KIFU}));
  QAction* write = w.window.action(Menu::KIFU_WRITE);
  EXPECT_FALSE(write->isEnabled());
  w.port.setEnabled(Menu::KIFU_WRITE, true);
  EXPECT_FALSE(write->isEnabled());
  // A menu works through its entries even when opening it runs nothing.
  EXPECT_TRUE(w.window.action(Menu::KIFU)->isEnabled());
  Recorded::calls().clear();
  w.window.action(Menu::KIFU)->menu()->popup(QPoint(0, 0));
  w.window.action(Menu::KIFU)->menu()->hide();
  EXPECT_TRUE(Recorded::calls().empty());

  QAction* read = w.window.action(Menu::KIFU_READ);
  w.port.setEnabled(Menu::KIFU_READ, false);
  EXPECT_FALSE(read->isEnabled());
  w.port.setEnabled(Menu::KIFU_READ, true);
  EXPECT_TRUE(read->isEnabled());
}

TEST(Menu, TheGameTableLeavesNoEntryPretending) {
  GameWindow w;
  for (const MenuEntry& e : gameHandlers().menu) {
    const QAction* a = w.window.action(e.id);
    if (!a->menu()) {
      EXPECT_EQ(a->isEnabled(), e.handler != nullptr) << e.caption;
    }
  }
}

// Choosing a checkable entry must not flip its mark behind the game's back: the mark is what
// the game's procedure makes it.
TEST(Menu, CheckMarksAreTheGamesOwn) {
  GameWindow w(recordingHandlers());
  QAction* bgm = w.window.action(Menu::BGM);
  bgm->trigger();
  EXPECT_FALSE(w.port.isChecked(Menu::BGM));
  w.port.setChecked(Menu::BGM, true);
  bgm->trigger();
  EXPECT_TRUE(w.port.isChecked(Menu::BGM));
  w.port.setChecked(Menu::BGM, false);
  EXPECT_FALSE(bgm->isChecked());
}

class MenuWithGame : public InScratchFolder {};

TEST_F(MenuWithGame, LevelEntriesMoveTheOneCheckMark) {
  GameWindow w;
  w.window.action(Menu::LEVEL3)->trigger();
  w.window.action(Menu::LEVEL2)->trigger();
  EXPECT_EQ(w.game.COM_LEVEL, 2);
  EXPECT_FALSE(w.port.isChecked(Menu::LEVEL1));
  EXPECT_TRUE(w.port.isChecked(Menu::LEVEL2));
  EXPECT_FALSE(w.port.isChecked(Menu::LEVEL3));
  // Choosing the checked entry again keeps it checked.
  w.window.action(Menu::LEVEL2)->trigger();
  EXPECT_TRUE(w.port.isChecked(Menu::LEVEL2));
}

TEST_F(MenuWithGame, ToggleEntriesFlipOncePerChoice) {
  GameWindow w;
  for (Menu m : {Menu::BGM, Menu::SIDOU, Menu::KEIKA}) {
    const bool before = w.port.isChecked(m);
    w.window.action(m)->trigger();
    EXPECT_EQ(w.port.isChecked(m), !before) << static_cast<int>(m);
    w.window.action(m)->trigger();
    EXPECT_EQ(w.port.isChecked(m), before) << static_cast<int>(m);
  }
  EXPECT_EQ(w.game.SIDOU_ON, 0);
}

// 前回の対局 is offered when the 棋譜 menu opens over a folder that holds a kept game, and only
// then.
TEST_F(MenuWithGame, KeptGameEntryFollowsTheFileWhenTheMenuOpens) {
  GameWindow w;
  QMenu* kifu = w.window.action(Menu::KIFU)->menu();
  const QAction* last = w.window.action(Menu::KIFU_LAST);
  const auto open = [kifu] {
    kifu->popup(QPoint(0, 0));
    kifu->hide();
  };
  open();
  EXPECT_FALSE(last->isEnabled());
  QFile file(QStringLiteral("前回の対局.棋譜"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\r\n\r\n\r\n8 884-900-9000   0    0    0    0    \r\n");
  file.close();
  open();
  EXPECT_TRUE(last->isEnabled());
  ASSERT_TRUE(file.remove());
  open();
  EXPECT_FALSE(last->isEnabled());
}
