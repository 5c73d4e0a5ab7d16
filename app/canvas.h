// The main window's drawing surface. The game draws straight onto a backing image at the
// moment it asks, and every drawing asks the window to show the pixels it changed; painting
// only copies that image to the screen. Positions are twips, 15 to a pixel; colours are
// indexes of the 16-colour palette.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <optional>

inline constexpr double TWIPS_PER_PIXEL = 15;

// The pixel that holds a position in twips.
int toPixels(double twips);
// The whole pixels needed to cover a length in twips.
int toPixelSize(double twips);
// Colour 0..15 of the palette; nothing for any other index.
std::optional<QColor> paletteColour(int index);

class Canvas : public QWidget {
  Q_OBJECT

 public:
  explicit Canvas(QWidget* parent = nullptr);

  // Sets the client area; what was drawn stays where it was.
  void setClientSize(double widthTwips, double heightTwips);

  // The picture of a code at its natural size, top-left corner at (x, y); codes without a
  // picture draw nothing.
  void drawPicture(int code, double x, double y);
  // A one-pixel outline whose corners are the pixels of (x1, y1) and (x2, y2).
  void drawRect(int colour, double x1, double y1, double x2, double y2);
  // Text placed by its top-left corner, on a transparent background.
  void drawText(double x, double y, const QString& text, double points, int colour, bool bold);
  // Fills the whole window with the colour.
  void setBackColour(int colour);

  // Puts what was drawn since the last paint on the screen now, for when the game is about to
  // block or work on without going back to the event loop.
  void showDrawing();

  const QImage& image() const { return image_; }

 signals:
  // A mouse press on the window itself (not on a control): button 1 left, 2 right.
  void pressed(int button, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const QPixmap& picture(int code);
  // Marks pixels of the image as changed, to be painted with the next paint.
  void touched(const QRect& pixels);

  QImage image_;
  QColor back_;
  QHash<int, QPixmap> pictures_;
  QRect pending_;  // the changed pixels not painted yet
};
