// Piece codes, flags and other fixed values shared by every part of the game.
#pragma once

#include <cstdint>

// Piece codes: the sign is the side (negative = lower side, positive = upper side), the magnitude
// the kind. A promoted kind is its base kind plus one. The magnitudes double as piece values.
inline constexpr int16_t KARA = 0;
inline constexpr int16_t HU = 10;
inline constexpr int16_t TO = 11;
inline constexpr int16_t KYOU = 20;
inline constexpr int16_t KYOU_NARI = 21;
inline constexpr int16_t KEI = 30;
inline constexpr int16_t KEI_NARI = 31;
inline constexpr int16_t GIN = 100;
inline constexpr int16_t GIN_NARI = 101;
inline constexpr int16_t KIN = 110;
inline constexpr int16_t KAKU = 800;
inline constexpr int16_t KAKU_NARI = 801;
inline constexpr int16_t SYA = 900;
inline constexpr int16_t SYA_NARI = 901;
inline constexpr int16_t OU = 950;

inline constexpr int BAN_N = 9;

inline constexpr int16_t FLAG_ON = 1;
inline constexpr int16_t FLAG_OFF = 0;

inline constexpr int16_t TEBAN_NASHI = 0;
inline constexpr int16_t MODE_MAN = 0;
inline constexpr int16_t MODE_COM = 1;
inline constexpr int BTN_LEFT = 1;
inline constexpr int BTN_RIGHT = 2;

// Hand squares: a drop is a move whose origin is a stand cell.
inline constexpr int SITA_STAND_X = 11;  // lower stand, row = hand index + 2
inline constexpr int UE_STAND_X = -1;    // upper stand, row = hand index when passed to the rules

// Background picture codes.
inline constexpr int16_t MIDORI = 2;
inline constexpr int16_t TATAMI = 3;
inline constexpr int16_t TAKE = 4;
inline constexpr int16_t UCHU = 5;
inline constexpr int16_t RENGA = 6;

// Picture code of the logo.
inline constexpr int16_t MIZUBAN = 1;

// Palette colours (indexes of the standard 16-colour palette).
inline constexpr int IRO_KURO = 0;
inline constexpr int IRO_MIDORI = 2;
inline constexpr int IRO_MURASAKI = 5;
inline constexpr int IRO_CHA = 6;
inline constexpr int IRO_AKA = 12;
inline constexpr int IRO_KIIRO = 14;
inline constexpr int IRO_SHIRO = 15;

// OU_TORI of a game that ended as a draw because the move list was full.
inline constexpr int16_t OU_TORI_HIKIWAKE = 2;

// Size of the move list: entries 0..KIFU_MAX, entry 0 holds no move.
inline constexpr int KIFU_MAX = 500;

// Base kind of a hand index 1..7 (pawn .. rook), as an upper-side code.
inline constexpr int16_t MOCHI_KOMA[8] = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA};

// Hand index 1..7 of a piece code of either side (promoted codes count as their base kind);
// 0 for an empty square, the king or an unknown code.
constexpr int hand_index(int code) {
  const int k = code < 0 ? -code : code;
  switch (k) {
    case 10:
    case 11:
      return 1;
    case 20:
    case 21:
      return 2;
    case 30:
    case 31:
      return 3;
    case 100:
    case 101:
      return 4;
    case 110:
    case 111:
      return 5;
    case 800:
    case 801:
      return 6;
    case 900:
    case 901:
      return 7;
    default:
      return 0;
  }
}
