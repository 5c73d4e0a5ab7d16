// What the game has drawn on the window, kept as drawing requests in logical pixels (the
// layout's pixels, 15 twips each), so that the whole window can be drawn again at another
// device pixel ratio when it moves to another screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <vector>

// One drawing request.
struct Mark {
  enum class Kind { Picture, Outline, Text };
  Kind kind = Kind::Picture;
  // Every logical pixel the request may change: the picture, the outline's rectangle, or the
  // text's box with room for the ink of any resolution.
  QRect area;
  int code = 0;      // picture code
  QColor colour;     // outline and text
  QPointF baseline;  // text: where its baseline starts
  QString text;
  QFont font;
};

// The logical pixels a request paints over completely, hiding what was there.
QRegion opaquePart(const Mark& mark);

// The requests that still show, oldest first. A request whose every pixel a later one has
// painted over is dropped, so the list stays about as long as what the window shows however
// long the game runs.
class MarkList {
 public:
  struct Kept {
    Mark mark;
    QRegion showing;  // the pixels of its area no later request has painted over
  };

  // Adds the newest request on a window of `bounds`; one wholly outside is not kept.
  void add(const Mark& mark, const QRect& bounds);
  void clear() { kept_.clear(); }
  const std::vector<Kept>& kept() const { return kept_; }

 private:
  std::vector<Kept> kept_;
};
