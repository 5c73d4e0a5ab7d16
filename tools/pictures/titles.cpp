// The logo and the three splash pictures. The splash pictures are sized so that each sits in
// the middle of the splash window (747 x 453 pixels) at the place the game puts it.
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "art.h"

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;

// Text as an outline, its ink centred on `centre`, `px` pixels to the em.
QPainterPath textPath(const QString& family, int px, const QString& text, QPointF centre,
                      double letterSpacing = 0) {
  QFont font(family);
  font.setPixelSize(px);
  if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
  QPainterPath path;
  path.addText(0, 0, font, text);
  path.translate(centre - path.boundingRect().center());
  return path;
}

// Draws text over its shadow, made heavier by stroking its outline `weight` pixels wide.
void inkText(QPainter& p, const QPainterPath& path, const QBrush& fill, double weight,
             const QColor& shadow = QColor(0, 0, 0, 110), double shadowOffset = 2) {
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawPath(path.translated(shadowOffset, shadowOffset));
  if (weight > 0) p.setPen(QPen(fill, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

QLinearGradient gold(double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0.0, QColor(255, 240, 180));
  g.setColorAt(0.45, QColor(232, 190, 90));
  g.setColorAt(0.55, QColor(196, 146, 52));
  g.setColorAt(1.0, QColor(244, 208, 120));
  return g;
}

// A frame of gold lines inside the picture's edge.
void goldFrame(QPainter& p, const QRectF& r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 170, 80), 1.5));
  p.drawRect(r.adjusted(4.5, 4.5, -4.5, -4.5));
  p.setPen(QPen(QColor(214, 170, 80, 140), 1));
  p.drawRect(r.adjusted(8.5, 8.5, -8.5, -8.5));
}

// Black lacquer with a faint sheen from the top.
void lacquer(QPainter& p, const QRectF& r, const QColor& base) {
  QLinearGradient g(0, r.top(), 0, r.bottom());
  g.setColorAt(0, shade(base, 1.6));
  g.setColorAt(0.5, base);
  g.setColorAt(1, shade(base, 0.7));
  p.fillRect(r, g);
}

// A bird's feather drawn with curves: a bent shaft and a fan of fine barbs, the leading vane
// narrower than the trailing one, loose down at the root and a split in the vane.
void feather(QPainter& p, QPointF root, double length, double angleDeg, const QColor& colour) {
  p.save();
  p.translate(root);
  p.rotate(angleDeg);
  p.setBrush(Qt::NoBrush);
  auto shaftX = [&](double t) { return length * 0.06 * std::sin(kPi * t); };  // the bend
  const int barbs = 56;
  for (int side = -1; side <= 1; side += 2) {
    const double vane = side < 0 ? 0.12 : 0.2;
    for (int i = 1; i < barbs; ++i) {
      const double t = static_cast<double>(i) / barbs;  // along the shaft
      const double width = length * vane * std::sin(kPi * std::pow(t, 0.7));
      const bool split = side > 0 && t > 0.55 && t < 0.6;
      const double reach = t < 0.12 ? 0.35 : 1.0;  // down at the root
      QPainterPath barb;
      const QPointF from(shaftX(t), -length * t);
      barb.moveTo(from);
      barb.quadTo(from + QPointF(side * width * 0.6 * reach, -width * 0.15),
                  from + QPointF(side * width * reach, -length * (split ? 0.02 : 0.1)));
      QColor c = colour;
      c.setAlphaF(colour.alphaF() * (0.35 + 0.55 * std::sin(kPi * t)));
      p.setPen(QPen(c, 0.9));
      p.drawPath(barb);
    }
  }
  QPainterPath shaft;
  shaft.moveTo(0, length * 0.15);
  for (int i = 0; i <= 20; ++i) shaft.lineTo(shaftX(i / 20.0), -length * i / 20.0);
  p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(shaft);
  p.restore();
}

// Rings spreading on water.
void ripples(QPainter& p, QPointF centre, double radius, int rings, const QColor& colour) {
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= rings; ++i) {
    QColor c = colour;
    c.setAlphaF(colour.alphaF() * (1.0 - static_cast<double>(i - 1) / rings));
    p.setPen(QPen(c, 1.2));
    const double r = radius * i / rings;
    p.drawEllipse(centre, r, r * 0.32);
  }
}

// Where pixel `pixel` of a picture drawn `scale` times larger samples the design, in 1x
// pixels; at 1x it is the pixel itself, as the first pictures were drawn.
double at(int pixel, int scale) {
  return (pixel + 0.5) / scale - 0.5;
}

// Japanese paper: warm white with soft clouds and fibres scattered over `size` (1x pixels).
void washi(QImage& img, QSizeF size, int scale, int seed) {
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const double cloudy =
          periodicNoise(at(x, scale) / 40.0, at(y, scale) / 40.0, 1024, 1024, seed) - 0.5;
      // A faint speck in every pixel at 1x. Finer pictures leave it out: drawn at their
      // size it cannot be told from the clouds, and noise in every pixel would make their
      // files three times as large.
      const double fine = scale == 1 ? hash01(x, y, seed + 1) - 0.5 : 0;
      img.setPixelColor(x, y, shade(QColor(246, 240, 226), 1 + cloudy * 0.06 + fine * 0.03));
    }
  }
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 140; ++i) {
    const double x = hash01(i, 1, seed + 2) * size.width(),
                 y = hash01(i, 2, seed + 2) * size.height();
    const double a = hash01(i, 3, seed + 2) * 2 * kPi, len = 6 + hash01(i, 4, seed + 2) * 18;
    QPainterPath fibre;
    fibre.moveTo(x, y);
    fibre.quadTo(x + std::cos(a) * len * 0.5 + 3, y + std::sin(a) * len * 0.5,
                 x + std::cos(a) * len, y + std::sin(a) * len);
    p.setPen(QPen(QColor(200, 186, 160, 70), 0.7));
    p.drawPath(fibre);
  }
}

}  // namespace

QImage logo(int scale) {
  QImage img(167 * scale, 55 * scale, QImage::Format_RGB32);
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, 167, 55);
  lacquer(p, r, QColor(34, 22, 16));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 170, 80), 1));
  p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
  const QPainterPath name = textPath(fonts().mincho, 34, "水羽", QPointF(40, 27.5), 1);
  inkText(p, name, gold(9, 46), 1.2, QColor(0, 0, 0, 160), 1.5);
  const QPainterPath latin = textPath(fonts().pmincho, 17, "Mizuhane", QPointF(123, 22));
  inkText(p, latin, QColor(246, 232, 200), 0.3, QColor(0, 0, 0, 160), 1);
  p.setPen(QPen(QColor(214, 170, 80, 200), 1));
  p.drawLine(QPointF(88, 32.5), QPointF(158, 32.5));
  const QPainterPath shogi = textPath(fonts().mincho, 11, "将　棋", QPointF(123, 42));
  inkText(p, shogi, QColor(240, 92, 66), 0.2, QColor(0, 0, 0, 140), 0.8);
  return img;
}

QImage splash(int index, int scale) {
  if (index == 2) {
    // A corner of a board with a few pieces standing on it: the upper king with a gold and a
    // knight beside it, the lower side's gold about to take its head, backed by a dragon.
    const int w = 280, h = 190;
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    const int sx = 2 * kCellW, sy = 2 * kCellH;  // pieces at twice their size
    const int left = 8, top = 13;
    // The wood's grain at the pieces' size: two pixels of the picture to one of a cell.
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        img.setPixelColor(
            x, y,
            woodAt((x + 0.5) / scale / 2, (y + 0.5) / scale / 2, QColor(226, 178, 98), 0.7, 77));
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 24, 10, 200), 1.2));
    for (int x = left; x < w; x += sx) p.drawLine(QPointF(x, 0), QPointF(x, h));
    for (int y = top; y < h; y += sy) p.drawLine(QPointF(0, y), QPointF(w, y));
    p.setBrush(QColor(40, 24, 10));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(left + 3 * sx, top + sy), 3, 3);  // a star point
    const struct {
      int col, row, code;
    } placed[] = {{0, 0, 30}, {1, 0, 950}, {2, 0, 110}, {1, 1, -110}, {3, 1, -901}};
    for (const auto& pc : placed) {
      // In the picture's own pixels, so the piece's wood and kanji are drawn as fine as they.
      p.save();
      p.resetTransform();
      p.translate((left + pc.col * sx) * scale, (top + pc.row * sy) * scale);
      paintPiece(p, pc.code, 2 * scale);
      p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 34, 14), 4));
    p.drawRect(QRectF(0, 0, w, h).adjusted(2, 2, -2, -2));
    return img;
  }
  if (index == 3) {
    // The greeting players exchange before a game, brushed on paper and signed with a seal.
    const int w = 540, h = 190;
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    washi(img, QSizeF(w, h), scale, 91);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath words =
        textPath(fonts().mincho, 44, "よろしくお願いします", QPointF(250, 84));
    inkText(p, words, QColor(24, 20, 18), 1.6, QColor(120, 100, 80, 60), 2);
    const QRectF seal(470, 56, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 36, 30));
    p.drawRoundedRect(seal, 5, 5);
    p.setBrush(QColor(250, 236, 226));
    p.drawPath(textPath(fonts().mincho, 22, "水", seal.center() + QPointF(0, -11)));
    p.drawPath(textPath(fonts().mincho, 22, "羽", seal.center() + QPointF(0, 12)));
    p.setPen(QPen(QColor(24, 20, 18, 150), 1));
    p.drawLine(QPointF(60, 128.5), QPointF(440, 128.5));
    const QPainterPath sub = textPath(fonts().pmincho, 17, "水羽将棋  Mizuhane", QPointF(250, 150));
    inkText(p, sub, QColor(90, 60, 40), 0.2, QColor(0, 0, 0, 0), 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 90, 60), 2));
    p.drawRect(QRectF(0, 0, w, h).adjusted(3, 3, -3, -3));
    return img;
  }
  // The title: the name in gold over night water, with a feather drifting above the ripples.
  QImage img(634 * scale, 190 * scale, QImage::Format_RGB32);
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, 634, 190);
  QLinearGradient sky(0, 0, 0, r.height());
  sky.setColorAt(0, QColor(14, 22, 48));
  sky.setColorAt(1, QColor(24, 46, 86));
  p.fillRect(r, sky);
  QRadialGradient moon(QPointF(548, 70), 150);
  moon.setColorAt(0, QColor(120, 150, 200, 70));
  moon.setColorAt(1, QColor(120, 150, 200, 0));
  p.fillRect(r, moon);
  ripples(p, QPointF(548, 158), 120, 6, QColor(150, 190, 240, 110));
  feather(p, QPointF(574, 150), 100, -22, QColor(236, 242, 255, 220));
  goldFrame(p, r);
  const QPainterPath name = textPath(fonts().mincho, 108, "水羽", QPointF(146, 92), 8);
  inkText(p, name, gold(40, 142), 3, QColor(0, 0, 0, 150), 4);
  const QPainterPath latin = textPath(fonts().pmincho, 42, "Mizuhane", QPointF(392, 78), 2);
  inkText(p, latin, QColor(240, 236, 224), 0.8, QColor(0, 0, 0, 150), 2);
  const QPainterPath sub = textPath(fonts().mincho, 18, "将 棋  ·  SHOGI", QPointF(392, 124), 2);
  inkText(p, sub, gold(116, 136), 0.3, QColor(0, 0, 0, 140), 1);
  return img;
}

}  // namespace art
