// Drawing the window: board, stands, background, status texts, highlights, clocks and the
// record panels. Positions are cells of the board grid (they may be fractional or off the board).
#pragma once

#include <string>

#include "rules/game.h"

// Layout and board (cells to twips, pictures, outlines).
void 描画_絵(Game& g, int code, double X, double Y);        // picture at a cell
void 描画_桝輪郭(Game& g, int colour, double X, double Y);  // one cell outline
void 描画_盤(Game& g);                                      // all 81 squares
void 描画_将棋盤桝(Game& g);                                // grid only, clears highlights
void 描画_背景(Game& g, int code);                          // background tiles
void 描画_敵持盤(Game& g);                                  // upper stand with counts
void 描画_自持盤(Game& g);                                  // lower stand with counts
void 画面_再描画(Game& g);                                  // the whole window

// Texts, status and highlights.
void 描画_数値(Game& g, double X, double Y, const std::string& value, int colour, int kanji,
               double size);
void 描画_数値(Game& g, double X, double Y, int value, int colour, int kanji, double size);
void 描画_文字列(Game& g, double X, double Y, int code, int colour, double size);  // grade texts
// A text twice: black at the cell, then in the colour 0.1 cell up and left, as a drop shadow.
void print_shadowed(Game& g, double X, double Y, const std::string& value, int colour, int kanji,
                    double size);
void 描画_桝_数値(Game& g);                                             // coordinate labels
void 描画_手数(Game& g, int n, int colour);                             // move number
void 描画_レベル(Game& g, int level);                                   // computer level
void 描画_ハンデレベル(Game& g, int grade);                             // handicap grade
void 描画_棋譜読込み部分消去(Game& g);                                  // erase loaded record texts
void 描画_移動可能桝色(Game& g, int fx, int fy, int colour, int code);  // reachable squares
void 描画_駒点滅(Game& g, int code, int x, int y, int times);           // blink a piece
void 描画_メッセージ(Game& g, int n);                                   // refused handicap change

// Clocks.
float 調査_経過秒(float start, float now);  // seconds, across midnight
std::string 変換_数字から文字(int n);       // two digits
std::string 調査_時間秒追加結果(float s);   // "hh:mm:ss"
void 描画_所有時間(Game& g, int side, float seconds);
void 消去_所有時間(Game& g, int side);
void Timer1_Timer(Game& g);
void KEIKA_Click(Game& g);

// Record panels.
void 描画_可視(Game& g, bool drive, bool folder, bool files);
void 描画_棋譜_IO(Game& g, int mode);
void STOP_Click(Game& g);
void OPTION_Click(Game& g);
