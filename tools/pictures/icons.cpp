// The icon is the king piece of the board, drawn straight at the icon's size rather than scaled
// from the board picture: edges that run along the pixel grid sit exactly on it, and at the
// three smallest sizes the kanji is laid out in whole pixels, where a font's strokes blur.
#include "icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <cstdio>

#include "art.h"

namespace art {

namespace {

// The king's outline in the board picture's units (see pieces.cpp): apex, shoulders, base.
constexpr double kApexY = 2.0, kShoulderY = 10.5, kShoulderHalf = 11.6, kBaseY = 39.0,
                 kBaseHalf = 13.6;
constexpr double kUnitH = kBaseY - kApexY;

const QColor kInk(20, 12, 6);

// The piece on an icon of `size` pixels, in pixels. The base and its corners fall on pixel
// boundaries; the piece is centred on the icon's middle line.
struct Outline {
  double top, base, shoulderY, shoulderHalf, baseHalf, centre;
  double unit;  // pixels per unit of the board picture
};

Outline outlineFor(int size) {
  const int margin = size >= 32 ? qRound(size * 0.03) : 0;
  const int shadow = size >= 32 ? std::max(1, qRound(size * 0.025)) : 0;
  Outline o{};
  o.top = margin;
  o.base = size - margin - shadow;
  o.unit = (o.base - o.top) / kUnitH;
  o.shoulderY = o.top + (kShoulderY - kApexY) * o.unit;
  o.shoulderHalf = kShoulderHalf * o.unit;
  o.baseHalf = std::round(kBaseHalf * o.unit);
  o.centre = size / 2.0;
  return o;
}

QPainterPath bodyOf(const Outline& o) {
  QPainterPath path;
  path.addPolygon(QPolygonF({{o.centre, o.top},
                             {o.centre + o.shoulderHalf, o.shoulderY},
                             {o.centre + o.baseHalf, o.base},
                             {o.centre - o.baseHalf, o.base},
                             {o.centre - o.shoulderHalf, o.shoulderY}}));
  path.closeSubpath();
  return path;
}

// The band of `width` pixels just inside the outline.
QPainterPath innerBand(const QPainterPath& body, double width) {
  QPainterPathStroker stroker;
  stroker.setWidth(2 * width);
  stroker.setJoinStyle(Qt::MiterJoin);
  return body.intersected(stroker.createStroke(body));
}

// Boxwood, lighter towards the lamp at the top left; the grain fades out where it would only
// be noise.
QImage woodFace(int size, const Outline& o) {
  const double grain = size >= 64 ? 0.6 : size >= 32 ? 0.3 : 0;
  QImage wood(size, size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / o.unit, v = (y + 0.5) / o.unit;
      const double light = 1.04 - 0.08 * (u + v) / (2 * kUnitH);
      wood.setPixelColor(x, y, shade(woodAt(u, v, QColor(246, 214, 142), grain, 953), light));
    }
  }
  return wood;
}

// 王 in whole pixels for the smallest sizes: three thin bars and a heavier upright, as a
// Mincho face draws it.
void pixelKing(QPainter& p, const Outline& o) {
  const double h = o.base - o.top;
  const int bar = std::max(1, qRound(h / 14));
  const int height = 2 * qRound(h * 0.26);
  const int width = 2 * qRound(h * 0.25);
  const int top = qRound((o.shoulderY + o.base) / 2 - height / 2.0);
  const int mid = qRound(o.centre);
  auto across = [&](int y, int w) { p.fillRect(mid - w / 2, y, w, bar, kInk); };
  across(top, 2 * qRound(width * 0.4));
  across(top + qRound((height - bar) * 0.47), 2 * qRound(width * 0.35));
  across(top + height - bar, width);
  p.fillRect(mid - 1, top, 2, height, kInk);
}

// 王 from the game's Mincho face, centred on its ink and moved by whole pixels only, so the
// font's hinting survives. Up to medium sizes the font engine draws it (hinted and bold); larger,
// the outline is stroked a little to stand in for the bold.
void fontKing(QPainter& p, const Outline& o, int size) {
  const QImage layer =
      kanjiSquare(QStringLiteral("王"), qRound(23 * o.unit), size, kInk, size > 64);
  const QRect box = inkBox(layer);
  const double wantX = o.centre, wantY = (o.shoulderY + o.base) / 2 - 0.5 * o.unit;
  p.drawImage(QPoint(qRound(wantX - (box.left() + box.width() / 2.0)),
                     qRound(wantY - (box.top() + box.height() / 2.0))),
              layer);
}

}  // namespace

QImage appIcon(int size) {
  const Outline o = outlineFor(size);
  const QPainterPath body = bodyOf(o);
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);

  // 1. A shadow to the lower right, where there is room for one.
  if (size >= 32) {
    const double d = std::max(1.0, size * 0.025);
    p.setBrush(QColor(40, 20, 0, 70));
    p.drawPath(body.translated(d, d));
  }
  // 2. The boxwood face.
  p.setBrush(woodFace(size, o));
  p.drawPath(body);
  // 3. The bevel: the edge towards the lamp catches light, the far edge falls into shade.
  const double rim = std::max(1.0, 0.9 * o.unit);
  QLinearGradient bevel(o.centre - o.baseHalf, o.top, o.centre + o.baseHalf, o.base);
  bevel.setColorAt(0, QColor(255, 250, 225, 200));
  bevel.setColorAt(0.45, QColor(255, 240, 200, 50));
  bevel.setColorAt(0.55, QColor(120, 70, 20, 50));
  bevel.setColorAt(1, QColor(100, 55, 10, 160));
  if (size >= 32) {
    p.setBrush(bevel);
    p.drawPath(innerBand(body, rim + 1.8 * o.unit));
  }
  // 4. A dark rim, one pixel or more.
  p.setBrush(QColor(110, 66, 22, 230));
  p.drawPath(innerBand(body, rim));
  // 5. The kanji.
  p.setRenderHint(QPainter::Antialiasing, false);
  if (size <= 32)
    pixelKing(p, o);
  else
    fontKing(p, o, size);
  p.end();
  return icon;
}

bool writeIcons(const QDir& out) {
  if (!out.mkpath("icons")) return false;
  for (const int size : kIconSizes) {
    const QString path = out.filePath(QString("icons/%1.png").arg(size));
    if (!appIcon(size).save(path, "PNG")) {
      std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

}  // namespace art
