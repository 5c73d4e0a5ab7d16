// Kanji from the game's Mincho face, as the pieces and the icon carry them.
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "art.h"

namespace art {

QImage kanjiSquare(const QString& kanji, int pixelSize, int side, const QColor& ink, bool outline) {
  QFont font(fonts().mincho);
  font.setPixelSize(pixelSize);
  font.setStretch(90);
  font.setHintingPreference(QFont::PreferFullHinting);
  QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  QPainter q(&square);
  if (!outline) {
    font.setWeight(QFont::Bold);
    q.setFont(font);
    q.setPen(ink);
    q.drawText(square.rect(), Qt::AlignCenter, kanji);
    return square;
  }
  // Large text would be drawn as outlines, which skip the font engine's emboldening; a stroke of
  // the same strength (a 24th of the size) stands in for it.
  QPainterPath path;
  path.addText(0, 0, font, kanji);
  path.translate(QPointF(side, side) / 2 - path.boundingRect().center());
  q.setRenderHint(QPainter::Antialiasing);
  q.setBrush(ink);
  q.setPen(QPen(ink, pixelSize / 24.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  q.drawPath(path);
  return square;
}

QRect inkBox(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) > 40) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace art
