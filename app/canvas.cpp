#include "app/canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/font.h"

namespace {

constexpr std::array<QRgb, 16> PALETTE = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

constexpr int WINDOW_BACK = 2;

// Room around a text's box for ink that a finer resolution or a bolder face puts outside it.
constexpr int INK_MARGIN = 2;

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
  redraw(size, devicePixelRatioF());
  setFixedSize(size);
  touched(surface_.bounds());
}

void Canvas::redraw(QSize size, double ratio) {
  surface_.reset(size, ratio, back_);
  for (const MarkList::Kept& k : marks_.kept()) surface_.paint(k.mark);
}

void Canvas::followPixelRatio() {
  const double ratio = devicePixelRatioF();
  if (ratio == surface_.ratio()) return;
  redraw(surface_.size(), ratio);
  touched(surface_.bounds());
}

void Canvas::draw(const Mark& mark) {
  followPixelRatio();
  marks_.add(mark, surface_.bounds());
  surface_.paint(mark);
  touched(mark.area);
}

void Canvas::drawPicture(int code, double x, double y) {
  const QSize size = surface_.pictureSize(code);
  if (size.isEmpty()) return;
  Mark mark;
  mark.kind = Mark::Kind::Picture;
  mark.area = QRect(QPoint(toPixels(x), toPixels(y)), size);
  mark.code = code;
  draw(mark);
}

void Canvas::drawRect(int colour, double x1, double y1, double x2, double y2) {
  const auto c = paletteColour(colour);
  if (!c) return;
  Mark mark;
  mark.kind = Mark::Kind::Outline;
  mark.area =
      QRect(QPoint(std::min(toPixels(x1), toPixels(x2)), std::min(toPixels(y1), toPixels(y2))),
            QPoint(std::max(toPixels(x1), toPixels(x2)), std::max(toPixels(y1), toPixels(y2))));
  mark.colour = *c;
  draw(mark);
}

void Canvas::drawText(double x, double y, const QString& text, double points, int colour,
                      bool bold) {
  const auto c = paletteColour(colour);
  if (!c || !(points > 0) || text.isEmpty()) return;
  Mark mark;
  mark.kind = Mark::Kind::Text;
  mark.font = windowFont(points, bold);
  mark.colour = *c;
  mark.text = text;
  // Measured in logical pixels: the surface's image has the layout's resolution, whatever
  // its device pixel ratio.
  const QFontMetricsF metrics(mark.font, &surface_.image());
  const QPointF topLeft(toPixels(x), toPixels(y));
  mark.baseline = topLeft + QPointF(0, metrics.ascent());
  const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
  const QRectF ink = metrics.boundingRect(text).translated(mark.baseline);
  mark.area =
      box.united(ink).toAlignedRect().adjusted(-INK_MARGIN, -INK_MARGIN, INK_MARGIN, INK_MARGIN);
  draw(mark);
}

void Canvas::setBackColour(int colour) {
  const auto c = paletteColour(colour);
  if (!c) return;
  back_ = *c;
  marks_.clear();
  surface_.fill(back_);
  touched(surface_.bounds());
}

void Canvas::touched(const QRect& pixels) {
  const QRect inside = pixels & surface_.bounds();
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
  followPixelRatio();
  QPainter p(this);
  // The image holds device pixels already: undo the painter's own scaling so that they are
  // copied one to one. A pixel more all round covers any difference in rounding between the
  // painter's clip and the surface.
  p.scale(1 / surface_.ratio(), 1 / surface_.ratio());
  const QRect from =
      surface_.toDevice(event->rect().adjusted(-1, -1, 1, 1)) & surface_.image().rect();
  p.drawImage(from.topLeft(), surface_.image(), from);
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
