// Deterministic noise for the artwork. No library random generator: their sequences may differ
// between standard libraries, and the pictures must come out the same everywhere.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"

namespace art {

double hash01(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
               static_cast<uint32_t>(seed) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return (h & 0xffffffu) / 16777216.0;
}

namespace {

int wrap(int i, int n) {
  return ((i % n) + n) % n;
}

double smooth(double t) {
  return t * t * (3 - 2 * t);
}

}  // namespace

double periodicNoise(double x, double y, int cellsX, int cellsY, int seed) {
  const double fx0 = std::floor(x);
  const double fy0 = std::floor(y);
  const int x0 = static_cast<int>(fx0);
  const int y0 = static_cast<int>(fy0);
  const double tx = smooth(x - fx0);
  const double ty = smooth(y - fy0);
  const int xa = wrap(x0, cellsX), xb = wrap(x0 + 1, cellsX);
  const int ya = wrap(y0, cellsY), yb = wrap(y0 + 1, cellsY);
  const double top = hash01(xa, ya, seed) * (1 - tx) + hash01(xb, ya, seed) * tx;
  const double bottom = hash01(xa, yb, seed) * (1 - tx) + hash01(xb, yb, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

double tileNoise(double px, double py, double w, double h, int cellsX, int cellsY, int octaves,
                 int seed) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int o = 0; o < octaves; ++o) {
    const int nx = cellsX << o, ny = cellsY << o;
    sum += amplitude * periodicNoise(px / w * nx, py / h * ny, nx, ny, seed + 31 * o);
    weight += amplitude;
    amplitude *= 0.5;
  }
  return sum / weight;
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto ch = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()),
                ch(a.alpha(), b.alpha()));
}

QColor shade(const QColor& c, double factor) {
  auto ch = [factor](int u) {
    return std::clamp(static_cast<int>(std::lround(u * factor)), 0, 255);
  };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

}  // namespace art
