// The five background tiles. The game lays them at cell steps (33 x 41 pixels) although each
// is 34 pixels wide, so every pattern repeats every 33 pixels across and 41 down, and the last
// column repeats the first. All noise is periodic over that period, so the tiles join without
// a seam.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "art.h"

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;

using Texel = std::function<QColor(int x, int y)>;

QImage tileOf(const Texel& texel) {
  QImage img(kTileW, kCellH, QImage::Format_RGB32);
  for (int y = 0; y < kCellH; ++y)
    for (int x = 0; x < kTileW; ++x) img.setPixelColor(x, y, texel(x % kCellW, y));
  return img;
}

// Smooth periodic noise over the tile, in [0, 1).
double cloud(int x, int y, int cells, int octaves, int seed) {
  return tileNoise(x, y, kCellW, kCellH, cells, cells, octaves, seed);
}

// Green baize: fine fibres over a soft mottle.
QColor midori(int x, int y) {
  const QColor felt(22, 112, 40);
  const double mottle = cloud(x, y, 3, 3, 201) - 0.5;
  const double fibre = hash01(x, y, 202) - 0.5;
  const double streak = hash01(x + y, (x - y + 66) / 3, 203) - 0.5;  // a hint of nap
  return shade(felt, 1 + mottle * 0.16 + fibre * 0.10 + streak * 0.05);
}

// Tatami: fine rush stems running down the tile three pixels apart, bound by straight
// threads running across about every ten pixels; each stem swells a little between threads.
QColor tatami(int x, int y) {
  const int stem = x / 3, across = x % 3;
  const int threads[] = {0, 10, 20, 31, 41};
  int bead = 0;
  while (y >= threads[bead + 1]) ++bead;
  const double along = (y - threads[bead] + 0.5) / (threads[bead + 1] - threads[bead]);
  const double roundness = (across == 0 ? 0.9 : across == 1 ? 1.05 : 0.98);
  // Stems pass over and under the thread in turn, so neighbours swell out of step.
  const double phase = (stem + bead) % 2 ? 0.35 : 0.65;
  const double swell = 0.95 + 0.07 * std::cos(2 * kPi * (along - phase));
  const double thread = (y == threads[bead]) ? 0.8 : 1.0;
  const QColor straw = mix(QColor(204, 192, 122), QColor(186, 184, 110), hash01(stem, bead, 301));
  const double grain = 1 + (hash01(x, y, 302) - 0.5) * 0.05 + (cloud(x, y, 2, 2, 303) - 0.5) * 0.08;
  return shade(straw, roundness * swell * thread * grain);
}

// Bamboo fence: three green culms side by side, each with its node at its own height.
QColor take(int x, int y) {
  const int culm = x / 11, across = x % 11;
  if (across == 10) return QColor(28, 42, 18);  // the dark gap between culms
  const int nodes[] = {7, 28, 17};
  const double t = (across + 0.5) / 10;
  double light = 0.55 + 0.5 * std::sin(kPi * t) + 0.28 * std::exp(-std::pow((t - 0.32) / 0.1, 2));
  const int fromNode = ((y - nodes[culm]) % kCellH + kCellH) % kCellH;
  if (fromNode == 0) light *= 0.62;  // the groove of the node
  if (fromNode == 1) light *= 1.18;  // its raised ridge
  if (fromNode == 2 || fromNode == kCellH - 1) light *= 1.06;
  const double fibre = 1 + (hash01(x, 0, 401) - 0.5) * 0.08 + (cloud(x, y, 3, 2, 402) - 0.5) * 0.12;
  const QColor green = mix(QColor(92, 146, 52), QColor(150, 168, 70), hash01(culm, 0, 403) * 0.6);
  return shade(green, light * fibre);
}

// Night sky: a faint nebula behind a handful of stars of different strength and colour.
QColor uchu(int x, int y) {
  const double haze = std::pow(cloud(x, y, 2, 4, 501), 2.2);
  const double tint = cloud(x, y, 2, 2, 502);
  double r = 4 + 60 * haze * tint, g = 6 + 20 * haze, b = 20 + 70 * haze * (1 - tint * 0.5);
  struct Star {
    double x, y, strength, spread;
    QColor colour;
  };
  const Star stars[] = {
      {8.5, 9.5, 0.8, 0.65, QColor(255, 255, 255)},
      {25.5, 30.5, 0.75, 0.6, QColor(200, 220, 255)},
      {20.5, 4.5, 0.55, 0.5, QColor(255, 236, 200)},
      {4.5, 33.5, 0.5, 0.5, QColor(255, 255, 255)},
      {15.5, 22.5, 0.35, 0.45, QColor(220, 230, 255)},
      {29.5, 15.5, 0.3, 0.45, QColor(255, 220, 220)},
      {11.5, 38.5, 0.25, 0.4, QColor(255, 255, 255)},
  };
  for (const Star& s : stars) {  // distances measured across the tile's wrap
    const double dx = std::min(std::fabs(x + 0.5 - s.x), kCellW - std::fabs(x + 0.5 - s.x));
    const double dy = std::min(std::fabs(y + 0.5 - s.y), kCellH - std::fabs(y + 0.5 - s.y));
    const double glow = s.strength * std::exp(-(dx * dx + dy * dy) / (s.spread * s.spread));
    // The brightest stars twinkle with a short cross.
    const bool cross = s.strength > 0.7 && (dx < 0.5 || dy < 0.5);
    const double light = glow + (cross ? 0.2 * std::exp(-(dx + dy) / 1.6) : 0);
    r += s.colour.red() * light;
    g += s.colour.green() * light;
    b += s.colour.blue() * light;
  }
  auto ch = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
  return QColor(ch(r), ch(g), ch(b));
}

// Brick wall in running bond: four courses of one brick each, the odd courses shifted by half
// a brick, with two-pixel mortar joints.
QColor renga(int x, int y) {
  const int courses[] = {0, 10, 20, 31, 41};
  int course = 0;
  while (y >= courses[course + 1]) ++course;
  const int row = y - courses[course], height = courses[course + 1] - courses[course];
  const int col = (x + (course % 2 ? 16 : 0)) % kCellW;
  const QColor mortar(182, 174, 160);
  const double grit = 1 + (hash01(x, y, 601) - 0.5) * 0.14;
  if (row < 2 || col < 2) {
    const double shadowed = (row == 1 && col >= 2) ? 0.85 : 1.0;  // under the brick above
    return shade(mortar, grit * shadowed);
  }
  const QColor brick = mix(QColor(156, 58, 38), QColor(128, 52, 36), hash01(course, 0, 602));
  double light = 1 + (cloud(x, y, 4, 2, 603) - 0.5) * 0.22 + (grit - 1) * 0.8;
  if (row == 2) light *= 1.14;           // top edge catches the light
  if (row == height - 1) light *= 0.82;  // bottom edge in shade
  if (col == 2) light *= 1.08;
  if (col == kCellW - 1) light *= 0.88;
  return shade(brick, light);
}

}  // namespace

QImage backgroundTile(int code) {
  switch (code) {
    case 3:
      return tileOf(tatami);
    case 4:
      return tileOf(take);
    case 5:
      return tileOf(uchu);
    case 6:
      return tileOf(renga);
    default:
      return tileOf(midori);
  }
}

}  // namespace art
