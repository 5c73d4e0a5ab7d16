// The canvas's backing image: the window's logical pixels (15 twips each) drawn at the
// screen's device pixel ratio. This is the one place where logical pixels become device
// pixels: an edge between logical pixels e - 1 and e lies at device pixel round(e x ratio),
// so pictures, outlines and texts meet exactly as they do at 1x.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <map>
#include <tuple>

#include "app/marks.h"

class Surface {
 public:
  Surface();

  // Starts afresh: `size` logical pixels at `ratio`, filled with `back`.
  void reset(QSize size, double ratio, const QColor& back);
  void fill(const QColor& back);
  // Draws a request of the game onto the image.
  void paint(const Mark& mark);

  const QImage& image() const { return image_; }
  double ratio() const { return ratio_; }
  QSize size() const { return size_; }
  QRect bounds() const { return QRect(QPoint(0, 0), size_); }
  // The device pixels that show the logical pixels of `logical`.
  QRect toDevice(const QRect& logical) const;
  // The size of the picture of `code` in logical pixels; empty for a code without a picture.
  QSize pictureSize(int code);

 private:
  // A picture in the variant for the ratio: its pixels (null when the code has no picture)
  // and its size in logical pixels.
  struct Picture {
    QImage pixels;
    QSize size;
  };

  int edge(int logical) const;
  const Picture& picture(int code);
  // The picture's pixels brought to `size` device pixels.
  const QImage& picture(int code, QSize size);

  QImage image_;
  double ratio_ = 1;
  QSize size_;
  int scale_ = 1;  // the variant of the pictures in use
  std::map<int, Picture> pictures_;
  std::map<std::tuple<int, int, int>, QImage> fitted_;
};
