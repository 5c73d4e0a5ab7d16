#include "app/surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/pictures.h"

namespace {

// 96 dots per inch, the resolution at which 15 twips make a pixel, so that point sizes give
// the text the size the layout was made for whatever the screen says. The device pixel ratio
// comes on top of it, as a scale.
constexpr int DOTS_PER_METRE = 3780;

}  // namespace

Surface::Surface() {
  reset(QSize(1, 1), 1, Qt::black);
}

void Surface::reset(QSize size, double ratio, const QColor& back) {
  size_ = size;
  ratio_ = ratio > 0 ? ratio : 1;
  const int scale = pictureScale(ratio_);
  if (scale != scale_) pictures_.clear();
  scale_ = scale;
  fitted_.clear();
  image_ = QImage(QSize(std::max(1, edge(size.width())), std::max(1, edge(size.height()))),
                  QImage::Format_RGB32);
  image_.setDotsPerMeterX(DOTS_PER_METRE);
  image_.setDotsPerMeterY(DOTS_PER_METRE);
  image_.fill(back);
}

void Surface::fill(const QColor& back) {
  image_.fill(back);
}

int Surface::edge(int logical) const {
  return static_cast<int>(std::floor(logical * ratio_ + 0.5));
}

QRect Surface::toDevice(const QRect& logical) const {
  const int left = edge(logical.left()), top = edge(logical.top());
  return QRect(left, top, edge(logical.left() + logical.width()) - left,
               edge(logical.top() + logical.height()) - top);
}

const Surface::Picture& Surface::picture(int code) {
  auto it = pictures_.find(code);
  if (it != pictures_.end()) return it->second;
  // A missing variant falls back on the next coarser one, brought to size when drawn.
  QPixmap variant;
  for (int scale = scale_; scale >= 1 && variant.isNull(); --scale)
    variant = gamePicture(code, scale);
  Picture pic{variant.toImage().convertToFormat(QImage::Format_RGB32),
              variant.deviceIndependentSize().toSize()};
  // One pixel of the picture to one pixel of the image, whatever ratio the picture was for.
  pic.pixels.setDevicePixelRatio(1);
  return pictures_.emplace(code, pic).first->second;
}

QSize Surface::pictureSize(int code) {
  return picture(code).size;
}

const QImage& Surface::picture(int code, QSize size) {
  const QImage& pixels = picture(code).pixels;
  if (pixels.size() == size) return pixels;
  const auto key = std::tuple(code, size.width(), size.height());
  auto it = fitted_.find(key);
  if (it == fitted_.end())
    it = fitted_.emplace(key, pixels.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
             .first;
  return it->second;
}

void Surface::paint(const Mark& mark) {
  QPainter p(&image_);
  switch (mark.kind) {
    case Mark::Kind::Picture: {
      const QRect to = toDevice(mark.area);
      p.drawImage(to.topLeft(), picture(mark.code, to.size()));
      break;
    }
    case Mark::Kind::Outline: {
      // Filled strips one logical pixel wide rather than stroked lines: exactly the corner
      // pixels and the pixels between them, whatever the pen rules of the paint engine.
      const QRect& r = mark.area;
      const QRect strips[] = {{r.left(), r.top(), r.width(), 1},
                              {r.left(), r.bottom(), r.width(), 1},
                              {r.left(), r.top(), 1, r.height()},
                              {r.right(), r.top(), 1, r.height()}};
      for (const QRect& s : strips) p.fillRect(toDevice(s), mark.colour);
      break;
    }
    case Mark::Kind::Text:
      // Scaled rather than enlarged: the glyphs are drawn at the device resolution.
      p.scale(ratio_, ratio_);
      p.setFont(mark.font);
      p.setPen(mark.colour);
      p.drawText(mark.baseline, mark.text);
      break;
  }
}
