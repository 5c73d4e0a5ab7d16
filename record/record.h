// The move list and stepping through it, record files and their chooser, and the move notation.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

// Move list and history.
void 手順保存(Game& g, int fx, int fy, int tx, int ty, int koma, int narigo, float sitaMae,
              float sitaAto, float ueMae, float ueAto);
void AFTER_Click(Game& g);    // 進
void REPLAY_Click(Game& g);   // 戻
void CANCEL_Click(Game& g);   // 最初
void REVERSE_Click(Game& g);  // 反転

// Record files.
void KIFU_WRITE_Click(Game& g);           // 書込
void Command1_Click(Game& g);             // RETURN of the write panel
void KIFU_READ_Click(Game& g);            // 読込
void Drive1_Change(Game& g, bool ready);  // the drive list changed; ready = false: not ready
void Dir1_Change(Game& g);                // the file list follows the chosen folder
void File1_Click(Game& g, const std::filesystem::path& file);     // load a record
double 取得_棋譜のX座標(const Game& g, const std::string& text);  // text in UTF-8

// The kept game: the game so far in 前回の対局.棋譜 beside the settings file, for the next run.
std::filesystem::path kept_game_file(const Game& g);
void keep_game(Game& g);        // after each move and at shut-down, when a record can hold it
void offer_kept_game(Game& g);  // 前回の対局 enabled exactly when the file is there
void KIFU_Click(Game& g);       // opening the 棋譜 menu
void KIFU_LAST_Click(Game& g);  // 前回の対局: read the kept game as 読込 reads a chosen file

// One move line of a record file: a move list entry with its clocks in whole seconds.
struct KifuMove {
  int motoX = 0, motoY = 0, sakiX = 0, sakiY = 0;
  int narigo = 0, koma = 0, tori = 0;
  int sitaMae = 0, sitaAto = 0, ueMae = 0, ueAto = 0;
  bool operator==(const KifuMove&) const = default;
};

// A record file checked from end to end before any of it is used: the three header lines in
// UTF-8 and the moves, or in `error` the line and the reason it was refused.
struct KifuRecord {
  std::string title, upper, lower;
  std::vector<KifuMove> moves;
  std::string error;
};

// An open record file: its bytes and where the next line starts.
struct KifuFile {
  std::string_view bytes;
  std::size_t next = 0;
};

// 1 with the next line (without its CR LF, still in Shift_JIS) in text; 0 at the end, text kept.
int 読込_棋譜ファイル(KifuFile& file, std::string& text);
// Reads the bytes of a record file and replays every move from the initial position.
KifuRecord parse_record(std::string_view bytes);
// What 書込 writes: the title, the upper and the lower player's names (UTF-8) and the moves
// 1..KIFU_IDX, in Shift_JIS with CR LF; nothing when a text has a character Shift_JIS lacks.
std::optional<std::string> record_bytes(const Game& g, const std::string& title,
                                        const std::string& upper, const std::string& lower);
// The 37 fixed columns of a move line, without the line end.
std::string format_move_line(const KifuMove& m);
// A clock as the whole seconds its five columns can hold (0..99999).
int clock_field(float seconds);

// Move notation beside the stands.
std::string 文字列変換(int value);
void 描画_移動駒種類(Game& g, double X, double Y, const std::string& text, int colour);
void 描画_移動結果(Game& g, int side, int x, int y, int code, int colour);
void 消去_移動結果(Game& g, int side);
