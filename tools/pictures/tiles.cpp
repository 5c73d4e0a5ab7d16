// The five background tiles. The game lays them at cell steps (33 x 41 pixels) although each
// is 34 pixels wide, so every pattern repeats every 33 pixels across and 41 down, and the last
// column repeats the first. All noise is periodic over that period, so the tiles join without
// a seam.
//
// Each tile is a design in 1x pixels sampled once per pixel of the picture, so the 2x and 3x
// tiles show the same weave, culms, stars and bricks with finer shading and grain rather than
// bigger pixels. At 1x the samples fall where the first tiles were drawn, pixel for pixel.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "art.h"

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;

// One pixel of a tile: (u, v) is its centre in 1x pixels, in [0, 33) x [0, 41); (x, y) counts
// the tile's own pixels within the period, for grain that is as fine as the picture.
struct Spot {
  double u, v;
  int x, y;
  int scale;
};

using Texel = std::function<QColor(const Spot&)>;

QImage tileOf(const Texel& texel, int scale) {
  const int periodW = kCellW * scale;
  QImage img(kTileW * scale, kCellH * scale, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const int px = x % periodW;
      img.setPixelColor(x, y, texel({(px + 0.5) / scale, (y + 0.5) / scale, px, y, scale}));
    }
  }
  return img;
}

// Smooth periodic noise over the tile, in [0, 1), at the spot (the first tiles sampled it at
// the corners of their pixels).
double cloud(const Spot& s, int cells, int octaves, int seed) {
  return tileNoise(s.u - 0.5, s.v - 0.5, kCellW, kCellH, cells, cells, octaves, seed);
}

// Straight lines through the points (i + 0.5, values[i]), level beyond the first and the last:
// a profile given by its values at the centres of 1x pixels.
double profile(const std::vector<double>& values, double at) {
  const double i = std::clamp(at - 0.5, 0.0, static_cast<double>(values.size() - 1));
  const auto lo = static_cast<std::size_t>(std::floor(i));
  if (lo + 1 >= values.size()) return values.back();
  return values[lo] + (values[lo + 1] - values[lo]) * (i - lo);
}

// Green baize: fine fibres over a soft mottle.
QColor midori(const Spot& s) {
  const QColor felt(22, 112, 40);
  const double mottle = cloud(s, 3, 3, 201) - 0.5;
  const double fibre = hash01(s.x, s.y, 202) - 0.5;
  // A hint of nap: short streaks running down to the right.
  const double streak = hash01(s.x + s.y, (s.x - s.y + 66 * s.scale) / (3 * s.scale), 203) - 0.5;
  return shade(felt, 1 + mottle * 0.16 + fibre * 0.10 + streak * 0.05);
}

// Tatami: fine rush stems running down the tile three pixels apart, bound by straight
// threads running across about every ten pixels; each stem swells a little between threads.
QColor tatami(const Spot& s) {
  const int stem = static_cast<int>(s.u / 3);
  const double across = s.u - 3 * stem;
  const int threads[] = {0, 10, 20, 31, 41};
  int bead = 0;
  while (s.v >= threads[bead + 1]) ++bead;
  const double along = (s.v - threads[bead]) / (threads[bead + 1] - threads[bead]);
  const double roundness = profile({0.9, 1.05, 0.98}, across);
  // Stems pass over and under the thread in turn, so neighbours swell out of step.
  const double phase = (stem + bead) % 2 ? 0.35 : 0.65;
  const double swell = 0.95 + 0.07 * std::cos(2 * kPi * (along - phase));
  const double thread = (static_cast<int>(s.v) == threads[bead]) ? 0.8 : 1.0;
  const QColor straw = mix(QColor(204, 192, 122), QColor(186, 184, 110), hash01(stem, bead, 301));
  const double grain =
      1 + (hash01(s.x, s.y, 302) - 0.5) * 0.05 + (cloud(s, 2, 2, 303) - 0.5) * 0.08;
  return shade(straw, roundness * swell * thread * grain);
}

// Bamboo fence: three green culms side by side, each with its node at its own height.
QColor take(const Spot& s) {
  const int culm = static_cast<int>(s.u / 11);
  const double across = s.u - 11 * culm;
  if (across >= 10) return QColor(28, 42, 18);  // the dark gap between culms
  const int nodes[] = {7, 28, 17};
  const double t = across / 10;
  double light = 0.55 + 0.5 * std::sin(kPi * t) + 0.28 * std::exp(-std::pow((t - 0.32) / 0.1, 2));
  // Rows from the node: the groove of the node, its raised ridge and a faint rim either side.
  double fromNode = std::fmod(s.v - nodes[culm] + kCellH, kCellH);
  if (fromNode >= kCellH - 1) fromNode -= kCellH;
  light *= profile({1.0, 1.06, 0.62, 1.18, 1.06, 1.0}, fromNode + 2);
  const double fibre = 1 + (hash01(s.x, 0, 401) - 0.5) * 0.08 + (cloud(s, 3, 2, 402) - 0.5) * 0.12;
  const QColor green = mix(QColor(92, 146, 52), QColor(150, 168, 70), hash01(culm, 0, 403) * 0.6);
  return shade(green, light * fibre);
}

// Night sky: a faint nebula behind a handful of stars of different strength and colour.
QColor uchu(const Spot& s) {
  const double haze = std::pow(cloud(s, 2, 4, 501), 2.2);
  const double tint = cloud(s, 2, 2, 502);
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
  for (const Star& star : stars) {  // distances measured across the tile's wrap
    const double dx = std::min(std::fabs(s.u - star.x), kCellW - std::fabs(s.u - star.x));
    const double dy = std::min(std::fabs(s.v - star.y), kCellH - std::fabs(s.v - star.y));
    const double glow =
        star.strength * std::exp(-(dx * dx + dy * dy) / (star.spread * star.spread));
    // The brightest stars twinkle with a short cross.
    const bool cross = star.strength > 0.7 && (dx < 0.5 || dy < 0.5);
    const double light = glow + (cross ? 0.2 * std::exp(-(dx + dy) / 1.6) : 0);
    r += star.colour.red() * light;
    g += star.colour.green() * light;
    b += star.colour.blue() * light;
  }
  auto ch = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
  return QColor(ch(r), ch(g), ch(b));
}

// Brick wall in running bond: four courses of one brick each, the odd courses shifted by half
// a brick, with two-pixel mortar joints.
QColor renga(const Spot& s) {
  const int courses[] = {0, 10, 20, 31, 41};
  int course = 0;
  while (s.v >= courses[course + 1]) ++course;
  const int row = static_cast<int>(s.v) - courses[course];
  const int height = courses[course + 1] - courses[course];
  const int col = static_cast<int>(std::fmod(s.u + (course % 2 ? 16 : 0), kCellW));
  const QColor mortar(182, 174, 160);
  const double grit = 1 + (hash01(s.x, s.y, 601) - 0.5) * 0.14;
  if (row < 2 || col < 2) {
    const double shadowed = (row == 1 && col >= 2) ? 0.85 : 1.0;  // under the brick above
    return shade(mortar, grit * shadowed);
  }
  const QColor brick = mix(QColor(156, 58, 38), QColor(128, 52, 36), hash01(course, 0, 602));
  double light = 1 + (cloud(s, 4, 2, 603) - 0.5) * 0.22 + (grit - 1) * 0.8;
  if (row == 2) light *= 1.14;           // top edge catches the light
  if (row == height - 1) light *= 0.82;  // bottom edge in shade
  if (col == 2) light *= 1.08;
  if (col == kCellW - 1) light *= 0.88;
  return shade(brick, light);
}

}  // namespace

QImage backgroundTile(int code, int scale) {
  switch (code) {
    case 3:
      return tileOf(tatami, scale);
    case 4:
      return tileOf(take, scale);
    case 5:
      return tileOf(uchu, scale);
    case 6:
      return tileOf(renga, scale);
    default:
      return tileOf(midori, scale);
  }
}

}  // namespace art
