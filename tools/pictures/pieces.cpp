// The shogi pieces: a five-sided boxwood piece, narrow at the top, with one large kanji in
// black (red once promoted). The upper side's pieces are the same pieces turned round; the
// light still falls from the top left and the shadow still falls to the bottom right, so both
// sides look lit by the same lamp.
#include <QFont>
#include <QLineF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <cstdlib>
#include <map>

#include "art.h"

namespace art {

namespace {

struct Shape {
  double apexY, shoulderY, shoulderHalf, baseY, baseHalf;
  int fontPx;  // size of the kanji
};

// Three sizes, as in a real set: king, rook and bishop largest; lance, knight and pawn smallest.
Shape shapeOf(int kind) {
  if (kind >= 800) return {2.0, 10.5, 11.6, 39.0, 13.6, 23};
  if (kind >= 100) return {2.6, 11.0, 11.1, 39.0, 13.1, 22};
  return {3.2, 11.5, 10.6, 39.0, 12.6, 21};
}

QString kanjiOf(int code) {
  static const std::map<int, QString> kanji = {
      {10, "歩"},  {11, "と"},  {20, "香"},  {21, "杏"},  {30, "桂"},  {31, "圭"}, {100, "銀"},
      {101, "全"}, {110, "金"}, {800, "角"}, {801, "馬"}, {900, "飛"}, {901, "龍"}};
  // A set has one king of each name; the player at the bottom gets 王.
  if (std::abs(code) == 950) return code < 0 ? "王" : "玉";
  return kanji.at(std::abs(code));
}

bool promoted(int code) {
  return std::abs(code) % 2 == 1;
}

// The corners of the piece in cell pixels, upright (the lower side's view), clockwise.
QPolygonF corners(const Shape& s) {
  const double c = kCellW / 2.0;
  return QPolygonF({{c, s.apexY},
                    {c + s.shoulderHalf, s.shoulderY},
                    {c + s.baseHalf, s.baseY},
                    {c - s.baseHalf, s.baseY},
                    {c - s.shoulderHalf, s.shoulderY}});
}

// The same convex outline with every edge moved `d` pixels inwards.
QPolygonF inset(const QPolygonF& poly, double d) {
  const int n = poly.size();
  auto shifted = [&](int i) {  // edge i, moved inwards (the corners run clockwise on screen)
    const QPointF a = poly[i], b = poly[(i + 1) % n];
    const QPointF dir = b - a;
    const double len = std::hypot(dir.x(), dir.y());
    const QPointF normal(-dir.y() / len * d, dir.x() / len * d);
    return QLineF(a + normal, b + normal);
  };
  QPolygonF out;
  for (int i = 0; i < n; ++i) {
    QPointF meet;
    shifted((i + n - 1) % n).intersects(shifted(i), &meet);
    out << meet;
  }
  return out;
}

QPainterPath pathOf(const QPolygonF& poly) {
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

// The kanji on a transparent cell-sized layer. It is drawn with the font's full hinting so the
// strokes sit on whole pixels, in bold and a little narrow like the carved characters of real
// pieces, and centred on its ink rather than its em box; it is moved by whole pixels only, so
// the hinting survives. The upper side's layer is turned round pixel for pixel.
QImage kanjiLayer(int code, const Shape& s, int scale) {
  const QColor ink = promoted(code) ? QColor(204, 16, 16) : QColor(20, 12, 6);
  const QImage raw =
      kanjiSquare(kanjiOf(code), s.fontPx * scale, 2 * s.fontPx * scale, ink, scale != 1);
  const QRect box = inkBox(raw);
  const double inkX = box.left() + box.width() / 2.0, inkY = box.top() + box.height() / 2.0;
  const double wantX = kCellW / 2.0 * scale, wantY = ((s.shoulderY + s.baseY) / 2 - 0.5) * scale;
  QImage layer(kCellW * scale, kCellH * scale, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter q(&layer);
  q.drawImage(QPoint(qRound(wantX - inkX), qRound(wantY - inkY)), raw);
  q.end();
  return code > 0 ? layer.mirrored(true, true) : layer;
}

}  // namespace

void paintPiece(QPainter& p, int code, int scale) {
  const Shape s = shapeOf(std::abs(code));
  QTransform turn;  // the upper side's pieces point down the board
  if (code > 0) {
    turn.translate(kCellW / 2.0, kCellH / 2.0);
    turn.rotate(180);
    turn.translate(-kCellW / 2.0, -kCellH / 2.0);
  }
  const QPainterPath body = turn.map(pathOf(corners(s)));

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);

  // 1. Shadow on the board, a hard core and a soft rim.
  p.setBrush(QColor(60, 30, 0, 40));
  p.drawPath(body.translated(1.4, 1.8));
  p.setBrush(QColor(60, 30, 0, 70));
  p.drawPath(body.translated(0.7, 0.9));

  // 2. Boxwood face with its grain, lighter towards the lamp.
  QImage wood(kCellW * scale, kCellH * scale, QImage::Format_RGB32);
  const QColor tsuge(246, 214, 142);
  const int seed = std::abs(code) * 7 + 3;
  for (int y = 0; y < wood.height(); ++y) {
    for (int x = 0; x < wood.width(); ++x) {
      const double u = (x + 0.5) / scale, v = (y + 0.5) / scale;
      const double light = 1.04 - 0.08 * (u / kCellW + v / kCellH) / 2;
      wood.setPixelColor(x, y, shade(woodAt(u, v, tsuge, 0.6, seed), light));
    }
  }
  QBrush face(wood);
  face.setTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale));
  p.setBrush(face);
  p.drawPath(body);

  // 3. Bevel: the edge facing the lamp catches light, the far edge falls into shade.
  QLinearGradient bevel(0, 0, kCellW, kCellH);
  bevel.setColorAt(0, QColor(255, 250, 225, 200));
  bevel.setColorAt(0.45, QColor(255, 240, 200, 50));
  bevel.setColorAt(0.55, QColor(120, 70, 20, 50));
  bevel.setColorAt(1, QColor(100, 55, 10, 160));
  p.setBrush(bevel);
  p.drawPath(body.subtracted(turn.map(pathOf(inset(corners(s), 1.8)))));

  // 4. A thin dark rim around the whole piece.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(110, 66, 22, 220), 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(body);

  // 5. The kanji.
  p.drawImage(QRectF(0, 0, kCellW, kCellH), kanjiLayer(code, s, scale));
  p.restore();
}

QImage piecePicture(int code, int scale) {
  QImage img = emptySquare(scale);
  QPainter p(&img);
  paintPiece(p, code, scale);
  return img;
}

}  // namespace art
