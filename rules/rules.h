// Move legality and making moves: how each kind moves, drops and their restrictions, captures
// into the hand, promotion and the two-pawn flags.
#pragma once

#include "rules/game.h"

// 1 when the piece `koma` may go from (fx, fy) to (tx, ty) on the current board, else 0.
// A drop has the stand as origin: fx = 11 (lower hand) or fx = -1 (upper hand). Reads only.
int 移動チェック(const Game& g, int fx, int fy, int tx, int ty, int koma);
// 1 when the squares strictly between origin and destination of a rook move are empty.
int 移動チェック飛車(const Game& g, int fx, int fy, int tx, int ty);
// 1 when the squares strictly between origin and destination of a bishop move are empty.
int 移動チェック角(const Game& g, int fx, int fy, int tx, int ty);

// Makes a move or drop with capture into the hand, and redraws the squares and stands involved.
// `koma` is the code that will stand on the destination (already promoted if it promotes).
void 駒移動(Game& g, int fx, int fy, int tx, int ty, int koma);
// Books a captured piece into the capturer's hand, or records the capture of a king.
void 駒取得(Game& g, int code);
// 1 when the move may promote (the promoted code is left in NARI_KOMA), else 0.
int 調査_駒成(Game& g, int fx, int fy, int tx, int ty, int koma);
// 0 when the unpromoted piece would have no move left from row ty (promotion is compulsory).
int 移動後チェック(int ty, int koma);
// Rebuilds SITA_NIFU and UE_NIFU from the board.
void 調査_2歩フラグ設定(Game& g);

// Empties board and hands and lays out the initial position (22 pieces, no pawns).
void lay_out_initial_position(Game& g);
