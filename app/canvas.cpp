#include "app/canvas.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/font.h"
#include "app/pictures.h"

namespace {

constexpr std::array<QRgb, 16> PALETTE = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// 96 dots per inch, the resolution at which 15 twips make a pixel, so that point sizes give
// the text the size the layout was made for whatever the screen says.
constexpr int DOTS_PER_METRE = 3780;

constexpr int WINDOW_BACK = 2;

}  // namespace

int toPixels(double twips) {
  return static_cast<int>(std::floor(twips / TWIPS_PER_PIXEL));
}

int toPixelSize(double twips) {
  return static_cast<int>(std::ceil(twips / TWIPS_PER_PIXEL));
}

std::optional<QColor> paletteColour(int index) {
  if (index < 0 || index >= static_cast<int>(PALETTE.size())) return std::nullopt;
  return QColor(PALETTE[index]);
}

Canvas::Canvas(QWidget* parent) : QWidget(parent), back_(PALETTE[WINDOW_BACK]) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setClientSize(0, 0);
}

void Canvas::setClientSize(double widthTwips, double heightTwips) {
  const QSize size(std::max(1, toPixelSize(widthTwips)), std::max(1, toPixelSize(heightTwips)));
  QImage next(size, QImage::Format_RGB32);
  next.setDotsPerMeterX(DOTS_PER_METRE);
  next.setDotsPerMeterY(DOTS_PER_METRE);
  next.fill(back_);
  if (!image_.isNull()) {
    QPainter p(&next);
    p.drawImage(0, 0, image_);
  }
  image_ = next;
  setFixedSize(size);
  pending_ &= image_.rect();
  touched(image_.rect());
}

const QPixmap& Canvas::picture(int code) {
  auto it = pictures_.find(code);
  if (it == pictures_.end()) it = pictures_.insert(code, gamePicture(code));
  return *it;
}

void Canvas::drawPicture(int code, double x, double y) {
  const QPixmap& pm = picture(code);
  if (pm.isNull()) return;
  const QPoint at(toPixels(x), toPixels(y));
  QPainter p(&image_);
  p.drawPixmap(at, pm);
  touched(QRectF(at, pm.deviceIndependentSize()).toAlignedRect());
}

void Canvas::drawRect(int colour, double x1, double y1, double x2, double y2) {
  const auto c = paletteColour(colour);
  if (!c) return;
  const int left = std::min(toPixels(x1), toPixels(x2));
  const int right = std::max(toPixels(x1), toPixels(x2));
  const int top = std::min(toPixels(y1), toPixels(y2));
  const int bottom = std::max(toPixels(y1), toPixels(y2));
  const int w = right - left + 1, h = bottom - top + 1;
  // Filled one-pixel strips rather than stroked lines: exactly the corner pixels and the
  // pixels between them, whatever the pen rules of the paint engine.
  QPainter p(&image_);
  p.fillRect(left, top, w, 1, *c);
  p.fillRect(left, bottom, w, 1, *c);
  p.fillRect(left, top, 1, h, *c);
  p.fillRect(right, top, 1, h, *c);
  touched(QRect(left, top, w, h));
}

void Canvas::drawText(double x, double y, const QString& text, double points, int colour,
                      bool bold) {
  const auto c = paletteColour(colour);
  if (!c || !(points > 0) || text.isEmpty()) return;
  const QFont font = windowFont(points, bold);
  const QFontMetricsF metrics(font, &image_);
  const QPointF baseline(toPixels(x), toPixels(y) + metrics.ascent());
  QPainter p(&image_);
  p.setFont(font);
  p.setPen(*c);
  p.drawText(baseline, text);
  // The ink may reach past the advance and the line's height (bold strokes, overhanging
  // glyphs, smoothed edges); a margin of a few pixels keeps all of it in the changed area.
  const QRectF line(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height());
  const int margin = 2 + static_cast<int>(std::ceil(metrics.height() / 4));
  touched((metrics.boundingRect(text) | line)
              .translated(baseline)
              .toAlignedRect()
              .adjusted(-margin, -margin, margin, margin));
}

void Canvas::setBackColour(int colour) {
  const auto c = paletteColour(colour);
  if (!c) return;
  back_ = *c;
  image_.fill(back_);
  touched(image_.rect());
}

void Canvas::touched(const QRect& pixels) {
  const QRect inside = pixels & image_.rect();
  if (inside.isEmpty()) return;
  pending_ |= inside;
  update(inside);
}

void Canvas::showDrawing() {
  if (pending_.isEmpty()) return;
  // Painting now also paints every other area still waiting for its paint.
  repaint(pending_);
  pending_ = QRect();
}

void Canvas::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  // A press that a control let through (its label, say) is not a press on the board.
  const QPoint at = event->position().toPoint();
  if (childAt(at)) return;
  int button = 0;
  if (event->button() == Qt::LeftButton) button = 1;
  if (event->button() == Qt::RightButton) button = 2;
  if (button == 0) return;
  emit pressed(button, at.x() * TWIPS_PER_PIXEL, at.y() * TWIPS_PER_PIXEL);
}

// A quick second press arrives as a double click; for the board it is a press like any other.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}
