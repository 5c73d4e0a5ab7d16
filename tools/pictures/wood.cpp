// Wood for the board squares and the piece faces: straight grain (masame) running down the
// picture, as on a good kaya board and on boxwood pieces.
#include <cmath>
#include <numbers>

#include "art.h"

namespace art {

namespace {

// Large lattice: the wood needs no tiling, only smooth variation.
constexpr int kFree = 4096;

double noise(double x, double y, int seed) {
  return periodicNoise(x, y, kFree, kFree, seed);
}

}  // namespace

QColor woodAt(double x, double y, const QColor& base, double grain, int seed) {
  // Ring position across the grain, bent a little along it so the lines are not ruled.
  const double bend =
      2.4 * noise(x * 0.06, y * 0.018, seed) + 0.6 * noise(x * 0.2, y * 0.05, seed + 1);
  const double ring = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (x * 0.23 + bend));
  const double line = std::pow(ring, 6);  // thin dark late-wood lines, wide pale early wood
  const double broad = noise(x * 0.04, y * 0.01, seed + 2) - 0.5;
  const double fibre = hash01(static_cast<int>(std::floor(x * 1.3)),
                              static_cast<int>(std::floor(y * 0.35)), seed + 3) -
                       0.5;
  const double factor = 1 + broad * 0.10 + fibre * 0.025 * grain - line * 0.13 * grain;
  return shade(base, factor);
}

QImage emptySquare(int scale) {
  QImage img(kCellW * scale, kCellH * scale, QImage::Format_RGB32);
  const QColor kaya(226, 178, 98);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const double u = (x + 0.5) / scale, v = (y + 0.5) / scale;
      img.setPixelColor(x, y, woodAt(u, v, kaya, 0.5, 11));
    }
  }
  return img;
}

}  // namespace art
