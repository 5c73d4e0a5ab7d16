// The move list and stepping through it, record files and their chooser, and the move notation.
#pragma once

#include <filesystem>
#include <string>

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
void Dir1_Change(Game& g);
void File1_Click(Game& g, const std::filesystem::path& file);  // load a record
double 取得_棋譜のX座標(const Game& g, const std::string& text);

// Move notation beside the stands.
std::string 文字列変換(int value);
void 描画_移動駒種類(Game& g, double X, double Y, const std::string& text, int colour);
void 描画_移動結果(Game& g, int side, int x, int y, int code, int colour);
void 消去_移動結果(Game& g, int side);
