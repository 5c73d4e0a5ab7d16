// The one game object: every piece of state the game keeps, from the board to the sound handles.
// Procedures are free functions over it; fields keep their Japanese names and integer widths.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/port.h"
#include "rules/constants.h"

using Ban = int16_t[10][10];  // indexed [x][y], x and y 1..9; row and column 0 stay 0

struct Game {
  explicit Game(Port& p) : port(p) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Port& port;

  // Board, hands and kings.
  Ban BAN{};
  int16_t SITA_MOCHI[8]{};  // lower hand by index 1..7 (pawn .. rook)
  int16_t UE_MOCHI[8]{};    // upper hand
  int16_t SITA_MOCHI_SU = 0;
  int16_t UE_MOCHI_SU = 0;
  int16_t SITA_OU_X = 0, SITA_OU_Y = 0;
  int16_t UE_OU_X = 0, UE_OU_Y = 0;
  int16_t SITA_NIFU[10]{};  // 1 where a column holds an unpromoted lower pawn
  int16_t UE_NIFU[10]{};
  int16_t NARI_KOMA = 0;  // promoted code found by the last successful promotion test

  // Turn, mode and game flags.
  int16_t MAN_TEBAN = -1;
  int16_t COM_TEBAN = 1;
  int16_t TEBAN = TEBAN_NASHI;
  int16_t TEBAN_SENTE = 1;  // order of the first mover; a loaded record may swap the two
  int16_t TEBAN_GOTE = -1;
  int16_t TAIKYOKU_MODE = MODE_MAN;
  int16_t TESUU = 0;
  int16_t OU_TORI = 0;
  int16_t COM_LEVEL = 3;
  int16_t HANDE_LEVEL = 0;
  int16_t HANDE_SET = 0;
  int16_t KIFU_MODE = 0;
  int16_t HANTEN = 0;
  int16_t KIFU_IDOU = 0;

  // Click selection: SASITE 3/4 origin, 5/6 destination, 8 piece code. Element 0 is unused
  // here; the computer keeps its best score in SAIKOU_TEN.
  int16_t SENTAKU = 0;
  int16_t SENTAKU_X = 0, SENTAKU_Y = 0;
  int16_t SASITE[9]{};

  // Influence tables, rebuilt from the board by every survey.
  Ban SITA_SEIRYOKU{};
  Ban UE_SEIRYOKU{};
  Ban SITA_HIMO_KOMA{};
  Ban UE_HIMO_KOMA{};
  Ban UE_HIMO_X{};  // never reset by the survey
  Ban UE_HIMO_Y{};
  Ban SITA_NERAI_KOMA{};
  Ban SITA_NERAI_X{};
  Ban SITA_NERAI_Y{};
  Ban UE_NERAI_KOMA{};
  Ban UE_NERAI_X{};  // never reset by the survey
  Ban UE_NERAI_Y{};
  Ban SITA_OUTE{};
  Ban UE_OUTE{};
  Ban SITA_NIGEMICHI{};  // escape squares of the lower king

  // Probe results, filled once per computer turn before its search.
  int16_t OU_TONARI_X = 0, OU_TONARI_Y = 0;
  Ban SITA_KAKU_OUTE{};
  Ban UE_KAKU_OUTE{};
  Ban SITA_KUGI{};
  Ban UE_KUGI{};
  int16_t UE_KUGI_ARI = FLAG_OFF;

  // Computer search work fields and the snapshots taken before its search.
  double SAIKOU_TEN = 0;
  int16_t IDOU_KOMA = 0;
  int16_t MOTO_OU_KYORI = 0;
  Ban BAN0{};
  int16_t UE_OU_X0 = 0, UE_OU_Y0 = 0;
  int16_t UE_MOCHI_SU0 = 0, SITA_MOCHI_SU0 = 0;
  Ban SITA_SEIRYOKU0{};
  Ban UE_SEIRYOKU0{};
  Ban UE_NERAI_X0{};
  Ban UE_NERAI_Y0{};
  int16_t SITA_NIGE0 = 0;

  // Move list: entries 1..KIFU_MAX, entry 0 holds no move.
  int16_t KIFU_MOTO_X[KIFU_MAX + 1]{};
  int16_t KIFU_MOTO_Y[KIFU_MAX + 1]{};
  int16_t KIFU_SAKI_X[KIFU_MAX + 1]{};
  int16_t KIFU_SAKI_Y[KIFU_MAX + 1]{};
  int16_t KIFU_KOMA[KIFU_MAX + 1]{};
  int16_t KIFU_NARIGO[KIFU_MAX + 1]{};
  int16_t KIFU_TORI[KIFU_MAX + 1]{};
  float KIFU_SITA_MAE[KIFU_MAX + 1]{};
  float KIFU_SITA_ATO[KIFU_MAX + 1]{};
  float KIFU_UE_MAE[KIFU_MAX + 1]{};
  float KIFU_UE_ATO[KIFU_MAX + 1]{};
  int16_t KIFU_IDX = 0;
  int16_t KIFU_SU = 0;
  std::string KIFU_TITLE;
  int16_t KIF_KAKIDASHI = 0;  // 1 while the write panel is open for KIF書出, 0 for 書込

  // Clocks, in seconds; times of day are seconds since midnight.
  float SITA_JIKAN = 0;
  float UE_JIKAN = 0;
  float KAISHI_JIKOKU = 0;
  float KEIKA_BYOU = 0;
  int32_t KEIKA_HYOUJI = 0;

  // Screen geometry (twips), colours and options.
  double BAN_X0 = 1050, BAN_Y0 = 100;
  double MASU_W = 495, MASU_H = 615;
  int IRO_SEN = IRO_MIDORI;   // grid outlines
  int IRO_SEN2 = IRO_MIDORI;  // clears highlights
  int IRO_IDOU = IRO_MIDORI;  // reachable squares
  int IRO_KEKKA = IRO_SHIRO;  // move texts
  bool FONT_BOLD = false;     // the window font turns bold once the labels are first drawn
  int16_t HAIKEI = 0;         // current background picture code
  int16_t SIDOU_ON = 0;       // move guidance

  // Where the game's own files live, decided once by the program before start-up: the settings
  // file (and whatever is kept beside it) and the four sounds. Empty means the current folder.
  std::filesystem::path settingsFolder;
  std::filesystem::path soundFolder;

  // Sound handles; 0 means none.
  int32_t DS_HANDLE = 0;
  int32_t SE_SONOTA = 0;
  int32_t SE_KINSHI = 0;
  int32_t SE_KOMAUCHI = 0;
  int32_t SE_BGM = 0;
};
