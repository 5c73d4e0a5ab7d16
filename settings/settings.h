// Sound calls, the settings file with the option menus, and the about box.
#pragma once

#include <cstdint>
#include <string>

#include "rules/game.h"

// Sound. Sound files are read whole from the current directory by their bare names.
void SOUND_OPEN(Game& g);                                             // opens the device
int32_t SOUND_LOAD(Game& g, const std::string& file, int32_t flags);  // buffer, 0 if none
void SOUND_CLOSE(Game& g);                                            // closes the device
void load_sounds(Game& g);     // start-up: open the device and load the four sounds
void release_sounds(Game& g);  // shut-down: free the four sounds and close the device

// Settings file "Mizuhane.ini" and the option menus.
void チェック設定(Game& g, int code);  // check the one background entry with this code
void 読込_環境設定ファイル(Game& g);   // start-up: apply the settings file
void 書込_環境設定ファイル(Game& g);   // save the options from the check marks
void MIDORI_Click(Game& g);
void TATAMI_Click(Game& g);
void TAKE_Click(Game& g);
void UCHU_Click(Game& g);
void RENGA_Click(Game& g);
void SIDOU_Click(Game& g);  // 移動指導
void BGM_Click(Game& g);

// About box.
void VER_Click(Game& g);  // その他
