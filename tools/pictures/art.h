// Procedural artwork of the game: the board square, the pieces of both sides, the five
// background tiles, the logo and the three splash pictures. Everything is drawn from code and
// the IPA Mincho fonts, so the pictures can be regenerated exactly on any machine.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace art {

// Cell of the game's grid in pixels: every piece, the empty square and every background tile
// lines up with it. Background tiles are one pixel wider than a cell because the game draws
// them at cell steps, so their last column is always covered by the next tile.
constexpr int kCellW = 33;
constexpr int kCellH = 41;
constexpr int kTileW = 34;

// Font families registered from the IPA Mincho files; empty when a file is missing.
struct Fonts {
  QString mincho;   // IPAMincho, fixed pitch: the piece kanji
  QString pmincho;  // IPAPMincho, proportional: titles and Latin text
};
const Fonts& fonts();

// --- kanji.cpp: the kanji of the pieces and of the icon ---

// A kanji in the Mincho face, bold and a little narrow like the carved characters of real
// pieces, centred in a transparent square of `side` pixels. The font engine draws it with its
// full hinting; with `outline` it is drawn as a path instead, for sizes where the engine
// would do so anyway.
QImage kanjiSquare(const QString& kanji, int pixelSize, int side, const QColor& ink, bool outline);
// The smallest rectangle holding every visible pixel of the picture.
QRect inkBox(const QImage& img);

// --- noise.cpp: deterministic noise, so every run writes the same pixels ---

// A pseudo-random value in [0, 1) for an integer lattice point.
double hash01(int x, int y, int seed);
// Smooth noise in [0, 1) that repeats every `cellsX` x `cellsY` lattice steps.
double periodicNoise(double x, double y, int cellsX, int cellsY, int seed);
// Sum of `octaves` periodic noise layers over a picture of `w` x `h` pixels that tiles
// seamlessly; the coarsest layer has `cellsX` x `cellsY` lattice steps. Result in [0, 1).
double tileNoise(double px, double py, double w, double h, int cellsX, int cellsY, int octaves,
                 int seed);
QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& c, double factor);

// --- wood.cpp: the wood of the board and of the pieces ---

// Colour of a piece of wood at local point (x, y) in unscaled cell pixels; straight grain runs
// along y. `grain` sets how strong the rings show.
QColor woodAt(double x, double y, const QColor& base, double grain, int seed);
// The empty board square at `scale` times the cell size.
QImage emptySquare(int scale = 1);

// --- pieces.cpp ---

// The picture of a piece code of the game (sign: side, magnitude: kind), on its board square,
// at `scale` times the cell size. Negative codes sit upright, positive codes are turned round.
QImage piecePicture(int code, int scale = 1);
// Draws the piece alone (no square) with the cell's top-left corner at the painter's origin,
// scaled by `scale`; for the splash pictures.
void paintPiece(QPainter& p, int code, int scale);

// --- tiles.cpp ---

// The background tile of a background code 2..6 (green, tatami, bamboo, space, brick), at
// `scale` times its size.
QImage backgroundTile(int code, int scale = 1);

// --- titles.cpp ---

// The logo at `scale` times its size.
QImage logo(int scale = 1);
// Splash picture 1..3: the title, a board with pieces, the greeting; at `scale` times its size.
QImage splash(int index, int scale = 1);

}  // namespace art
