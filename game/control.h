// Game control: start-up, new games in both modes, levels, shut-down, board clicks and the
// handicap grades.
#pragma once

#include "rules/game.h"

void Form_Load(Game& g);        // start-up
void 初期設定(Game& g);         // reset for a new game, with the splash
void TAIKYOKU_Click(Game& g);   // opening the 対局 menu
void MATCH_MAN_Click(Game& g);  // submenu parent, does nothing
void START_Click(Game& g);      // game between two people
void SENTE_Click(Game& g);      // against the computer, human first
void GOTE_Click(Game& g);       // against the computer, computer first
void LEVEL1_Click(Game& g);
void LEVEL2_Click(Game& g);
void LEVEL3_Click(Game& g);
void レベル_設定(Game& g, int n);        // check mark and COM_LEVEL
void OWARI_Click(Game& g);               // 終わり
void Form_Unload(Game& g);               // window closed
void Form_KeyPress(Game& g, int key);    // Esc (27) ends the program
void 終了処理(Game& g);                  // release sounds and the sound device
void 待ち時間(Game& g, double seconds);  // blocking wait, no input meanwhile

// A mouse press on the main window: button 1 left, 2 right; position in twips.
void Form_MouseDown(Game& g, int button, double x, double y);

// Ends the game as a draw once the move list is full; true when it did.
bool end_if_move_list_full(Game& g);

void LBEL_UP_Click(Game& g);     // △: one more upper piece off (or a lower piece back)
void LEBEL_DOWN_Click(Game& g);  // ▽: the mirror
