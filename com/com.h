// The computer player: influence survey, positional probes, evaluation and the one-ply search.
#pragma once

#include "rules/game.h"

// Influence survey: rebuilds every influence table and both king squares from the board.
void 勢力調査(Game& g);
void 勢力確定上直進(Game& g, int code, int x, int y);  // straight lines of lances and rooks
void 勢力確定下直進(Game& g, int code, int x, int y);
void 勢力確定右直進(Game& g, int code, int x, int y);
void 勢力確定左直進(Game& g, int code, int x, int y);
void 勢力確定自金(Game& g, int code, int x, int y);  // lower gold-movers
void 勢力確定敵金(Game& g, int x, int y);            // upper gold-movers, recorded as gold
void 勢力確定自角(Game& g, int x, int y);            // lower bishop diagonals, as -800
void 勢力確定敵角(Game& g, int code, int x, int y);  // upper bishop diagonals

// Positional probes.
int 調査_移動可場所数(Game& g, int x, int y, int koma);  // safe destinations of a piece
int 調査_桂狙い(Game& g, int tx, int ty);                // knight-drop fork value
int 調査_香狙い(Game& g, int tx, int ty);                // lance pin value
int 調査_周辺状況(Game& g, int tx, int ty);              // minus the strong upper neighbours
int 調査_自守駒MAN_直進駒(Game& g, int x, int y);        // lower piece guarded from behind
void 調査_COM人王隣(Game& g);                            // OU_TONARI_X/Y
void 調査_持角狙座標(Game& g);                           // SITA_KAKU_OUTE, UE_KAKU_OUTE
void 調査_移動不可駒(Game& g);                           // SITA_KUGI, UE_KUGI, UE_KUGI_ARI

// Evaluation of a trial position after the computer's candidate move.
double 盤評価_COM危険座標(Game& g, int put, int tx, int ty);
int 盤評価_自角注意_COM(Game& g, int tx, int ty, int put);
double 盤評価(Game& g, int cap, int put, int fx, int fy, int tx, int ty);

// The best move found by the search. For a drop fx = -1 and fy is the hand index.
struct BestMove {
  int fx = 0, fy = 0, tx = 0, ty = 0;
  int placed = 0;  // code placed on the destination (promoted if the move promotes)
  int koma = 0;    // code before the move
  bool found = false;
  double score = 0;
  long candidates = 0;  // positions scored
};

// A further test a candidate must pass to be tried, for playing under stricter rules than the
// game's own: the board before the candidate, its origin (a stand for a drop), its destination
// and the code of the piece before the move. Asked only about moves the move check allows.
using MoveFilter = bool (*)(const Game& g, int fx, int fy, int tx, int ty, int koma);

// The search of the computer's turn: snapshots, probes, every move and drop scored once.
// Leaves board and hands as it found them. A candidate `allowed` refuses is passed over before
// it is tried; the others score exactly as without it.
BestMove com_search(Game& g, MoveFilter allowed = nullptr);
// The computer's whole turn: search, record, play, announce, hand the turn back.
void com_ban(Game& g);
