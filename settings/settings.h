// Sound calls, the settings file with the option menus, and the about box.
#pragma once

#include <cstdint>
#include <string>

#include "rules/game.h"

// Sound.
void SOUND_OPEN(Game& g);
int32_t SOUND_LOAD(Game& g, const std::string& file, int32_t flags);
void SOUND_CLOSE(Game& g);
void play_sound(Game& g, int32_t buffer);  // dsPlay on a buffer, 0 is ignored by the library

// Settings file "Mizuhane.ini" and the option menus.
void チェック設定(Game& g, int code);
void 読込_環境設定ファイル(Game& g);
void 書込_環境設定ファイル(Game& g);
void MIDORI_Click(Game& g);
void TATAMI_Click(Game& g);
void TAKE_Click(Game& g);
void UCHU_Click(Game& g);
void RENGA_Click(Game& g);
void SIDOU_Click(Game& g);
void BGM_Click(Game& g);

// About box.
void VER_Click(Game& g);
