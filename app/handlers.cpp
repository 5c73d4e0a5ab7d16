// The one table from menu entries and window events to the game's procedures.
#include "app/handlers.h"

#include "game/control.h"
#include "record/record.h"
#include "screen/screen.h"
#include "settings/settings.h"

namespace {

constexpr Menu BAR = Menu::COUNT;

constexpr GameHandlers HANDLERS = {
    {{
        {Menu::TAIKYOKU, BAR, "対局", false, TAIKYOKU_Click},
        {Menu::MATCH_MAN, Menu::TAIKYOKU, "対局(人間)", false, MATCH_MAN_Click},
        {Menu::START, Menu::MATCH_MAN, "スタート", false, START_Click},
        {Menu::START2, Menu::TAIKYOKU, "対局(COM)", false, nullptr},
        {Menu::SENTE, Menu::START2, "先手", false, SENTE_Click},
        {Menu::GOTE, Menu::START2, "後手", false, GOTE_Click},
        {Menu::LEVEL, Menu::TAIKYOKU, "COM対局ﾚﾍﾞﾙ", false, nullptr},
        {Menu::LEVEL1, Menu::LEVEL, "LEVEL1", true, LEVEL1_Click},
        {Menu::LEVEL2, Menu::LEVEL, "LEVEL2", true, LEVEL2_Click},
        {Menu::LEVEL3, Menu::LEVEL, "LEVEL3", true, LEVEL3_Click},
        {Menu::OWARI, Menu::TAIKYOKU, "終わり", false, OWARI_Click},
        {Menu::STOP, BAR, "局面", false, STOP_Click},
        {Menu::CANCEL, Menu::STOP, "最初", false, CANCEL_Click},
        {Menu::REVERSE, Menu::STOP, "反転", false, REVERSE_Click},
        {Menu::REPLAY, BAR, "戻", false, REPLAY_Click},
        {Menu::AFTER, BAR, "進", false, AFTER_Click},
        {Menu::KIFU, BAR, "棋譜", false, KIFU_Click},
        {Menu::KIFU_WRITE, Menu::KIFU, "書込", false, KIFU_WRITE_Click},
        {Menu::KIFU_READ, Menu::KIFU, "読込", false, KIFU_READ_Click},
        {Menu::KIF_EXPORT, Menu::KIFU, "KIF書出", false, KIF_EXPORT_Click},
        {Menu::KIFU_LAST, Menu::KIFU, "前回の対局", false, KIFU_LAST_Click},
        {Menu::OPTION, BAR, "ｵﾌﾟｼｮﾝ", false, OPTION_Click},
        {Menu::HAIKEI, Menu::OPTION, "背景画", false, nullptr},
        {Menu::MIDORI, Menu::HAIKEI, "緑", true, MIDORI_Click},
        {Menu::TATAMI, Menu::HAIKEI, "畳", true, TATAMI_Click},
        {Menu::TAKE, Menu::HAIKEI, "竹", true, TAKE_Click},
        {Menu::UCHU, Menu::HAIKEI, "宇宙", true, UCHU_Click},
        {Menu::RENGA, Menu::HAIKEI, "煉瓦", true, RENGA_Click},
        {Menu::SIDOU, Menu::OPTION, "移動指導", true, SIDOU_Click},
        {Menu::KEIKA, Menu::OPTION, "経過時間", true, KEIKA_Click},
        {Menu::BGM, Menu::OPTION, "BGM", true, BGM_Click},
        {Menu::LBEL_UP, BAR, "△", false, LBEL_UP_Click},
        {Menu::LEBEL_DOWN, BAR, "▽", false, LEBEL_DOWN_Click},
        {Menu::VER, BAR, "その他", false, VER_Click},
    }},
    Form_Load,
    Form_MouseDown,
    Form_KeyPress,
    Form_Unload,
    Timer1_Timer,
    Drive1_Change,
    Dir1_Change,
    File1_Click,
    Command1_Click,
};

// The window builds parents before children and finds an entry by its Menu value.
constexpr bool in_menu_order() {
  for (std::size_t i = 0; i < MENU_SIZE; ++i)
    if (static_cast<std::size_t>(HANDLERS.menu[i].id) != i) return false;
  return true;
}
static_assert(in_menu_order());

}  // namespace

const GameHandlers& gameHandlers() {
  return HANDLERS;
}
