// Drawing through the port: pictures, outlines and texts land on the pixels the twips name,
// in the palette's colours, and the window shows what was drawn.
#include <QFontInfo>

#include "app/canvas.h"
#include "app/font.h"
#include "app/pictures.h"
#include "app_fixture.h"

namespace {

constexpr QRgb PALETTE[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};
const QRgb GREEN = PALETTE[2];

// Top-left corner of board cell (x, y) in twips.
double cellX(double x) {
  return 1050 + x * 495;
}
double cellY(double y) {
  return 100 + y * 615;
}

QRgb pixel(const GameWindow& w, int x, int y) {
  return w.window.canvas().image().pixel(x, y);
}

// The pixels that differ from `back` inside the image, as their bounding box.
QRect changed(const QImage& img, QRgb back) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != back) box |= QRect(x, y, 1, 1);
  return box;
}

int countChanged(const QImage& img, QRgb back) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != back;
  return n;
}

}  // namespace

TEST(Canvas, ClientAreaIs9200By8000Twips) {
  GameWindow w;
  // 9200 / 15 = 613.3 and 8000 / 15 = 533.3 pixels, rounded up to whole pixels.
  EXPECT_EQ(w.window.canvas().size(), QSize(614, 534));
  EXPECT_EQ(w.window.canvas().image().size(), QSize(614, 534));
  EXPECT_EQ(w.window.centralWidget(), &w.window.canvas());
  EXPECT_EQ(pixel(w, 0, 0), GREEN);
}

TEST(Canvas, PictureLandsOnItsCell) {
  GameWindow w;
  const QImage piece = gamePicture(-800).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(piece.size(), QSize(33, 41));
  w.port.drawPicture(-800, cellX(5), cellY(5));
  const int left = (1050 + 5 * 495) / 15, top = (100 + 5 * 615) / 15;
  EXPECT_EQ(w.window.canvas().image().copy(left, top, 33, 41), piece);
  EXPECT_EQ(pixel(w, left - 1, top), GREEN);
  EXPECT_EQ(pixel(w, left, top - 1), GREEN);
  EXPECT_EQ(pixel(w, left + 33, top + 40), GREEN);
  EXPECT_EQ(pixel(w, left + 32, top + 41), GREEN);
}

TEST(Canvas, EveryPictureCodeHasItsPicture) {
  for (int kind : {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950}) {
    EXPECT_EQ(gamePicture(kind).size(), QSize(33, 41)) << kind;
    EXPECT_EQ(gamePicture(-kind).size(), QSize(33, 41)) << -kind;
  }
  EXPECT_EQ(gamePicture(0).size(), QSize(33, 41));
  EXPECT_EQ(gamePicture(1).size(), QSize(167, 55));
  for (int code = 2; code <= 6; ++code) EXPECT_EQ(gamePicture(code).size(), QSize(34, 41));
}

TEST(Canvas, CodesWithoutPictureDrawNothing) {
  GameWindow w;
  for (int code : {111, -111, 7, 951, -1}) w.port.drawPicture(code, cellX(5), cellY(5));
  EXPECT_FALSE(changed(w.window.canvas().image(), GREEN).isValid());
}

// Background tiles reach past the window's edges; the part inside shows.
TEST(Canvas, PicturesAcrossTheEdgeAreCut) {
  GameWindow w;
  w.port.drawPicture(0, -20, -20);
  EXPECT_EQ(changed(w.window.canvas().image(), GREEN), QRect(0, 0, 31, 39));
  w.port.setBackColour(2);
  w.port.drawPicture(0, 9200 - 150, 8000 - 150);
  EXPECT_EQ(changed(w.window.canvas().image(), GREEN), QRect(603, 523, 11, 11));
  w.port.setBackColour(2);
  w.port.drawPicture(2, cellX(-3), cellY(-2));
  w.port.drawPicture(2, cellX(28), cellY(17));
  EXPECT_FALSE(changed(w.window.canvas().image(), GREEN).isValid());
}

TEST(Canvas, OutlinesInEveryPaletteColour) {
  GameWindow w;
  const int x1 = 235, y1 = 211, x2 = (1050 + 6 * 495) / 15, y2 = (100 + 6 * 615) / 15;
  for (int colour = 0; colour < 16; ++colour) {
    w.port.setBackColour(colour == 2 ? 0 : 2);
    const QRgb back = pixel(w, 0, 0);
    w.port.drawRect(colour, cellX(5), cellY(5), cellX(6), cellY(6));
    const QImage& img = w.window.canvas().image();
    EXPECT_EQ(changed(img, back), QRect(QPoint(x1, y1), QPoint(x2, y2))) << colour;
    for (int x = x1; x <= x2; ++x) {
      EXPECT_EQ(img.pixel(x, y1), PALETTE[colour]) << colour;
      EXPECT_EQ(img.pixel(x, y2), PALETTE[colour]) << colour;
    }
    for (int y = y1; y <= y2; ++y) {
      EXPECT_EQ(img.pixel(x1, y), PALETTE[colour]) << colour;
      EXPECT_EQ(img.pixel(x2, y), PALETTE[colour]) << colour;
    }
    // One pixel wide: the inside keeps the background.
    EXPECT_EQ(countChanged(img, back), 2 * (x2 - x1 + 1) + 2 * (y2 - y1 - 1)) << colour;
  }
}

TEST(Canvas, ColoursOutsideThePaletteDrawNothing) {
  GameWindow w;
  for (int colour : {-1, 16, 255}) {
    w.port.drawRect(colour, 0, 0, 3000, 3000);
    w.port.drawText(0, 0, "九", 12, colour, false);
    w.port.setBackColour(colour);
  }
  EXPECT_FALSE(changed(w.window.canvas().image(), GREEN).isValid());
}

TEST(Canvas, TheWindowFontIsIpaPMincho) {
  EXPECT_EQ(QFontInfo(windowFont(9, false)).family().toStdString(), "IPAPMincho");
}

TEST(Canvas, TextHangsFromItsTopLeftCornerOnAClearBackground) {
  GameWindow w;
  w.port.drawPicture(0, 3000, 3000);  // a light square under the text
  const QImage before = w.window.canvas().image();
  w.port.drawText(3000, 3000, "九", 12, 14, false);
  const QImage& after = w.window.canvas().image();
  QRect ink;
  int bluer = 0;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (after.pixel(x, y) != before.pixel(x, y)) {
        ink |= QRect(x, y, 1, 1);
        bluer += qBlue(after.pixel(x, y)) > qBlue(before.pixel(x, y));
      }
  // 12 points are 16 pixels at 15 twips a pixel; the glyph sits inside that square below and
  // right of (200, 200).
  ASSERT_TRUE(ink.isValid());
  EXPECT_TRUE(QRect(200, 200, 17, 17).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
  EXPECT_LE(ink.top(), 204);
  EXPECT_GE(ink.height(), 10);
  // Only the strokes change pixels, each towards yellow: no box is painted behind the text.
  EXPECT_EQ(bluer, 0);
}

TEST(Canvas, TextInkIsItsPaletteColour) {
  GameWindow w;
  w.port.setBackColour(0);
  w.port.drawText(3000, 3000, "九", 12, 14, false);
  const QImage& img = w.window.canvas().image();
  int strongest = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      EXPECT_EQ(qBlue(p), 0);
      EXPECT_LE(std::abs(qRed(p) - qGreen(p)), 1);
      strongest = std::max(strongest, qRed(p));
    }
  EXPECT_GE(strongest, 240);
}

TEST(Canvas, TextSizeAndBoldShowInTheInk) {
  auto ink = [](double size, bool bold) {
    GameWindow w;
    w.port.drawText(1500, 1500, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", size, 15, bold);
    return std::pair(changed(w.window.canvas().image(), GREEN),
                     countChanged(w.window.canvas().image(), GREEN));
  };
  const auto [small, smallInk] = ink(10, false);
  const auto [large, largeInk] = ink(16, false);
  const auto [bold, boldInk] = ink(10, true);
  EXPECT_GT(large.width(), small.width());
  EXPECT_GT(large.height(), small.height());
  EXPECT_GT(boldInk, smallInk);
  EXPECT_GT(largeInk, smallInk);
}

TEST(Canvas, BackColourFillsTheWindow) {
  GameWindow w;
  w.port.drawPicture(-950, 0, 0);
  w.port.setBackColour(4);
  const QImage& img = w.window.canvas().image();
  EXPECT_EQ(countChanged(img, PALETTE[4]), 0);
}

TEST(Canvas, RefreshShowsWhatWasDrawn) {
  GameWindow w;
  w.window.show();
  w.port.drawPicture(-950, cellX(5), cellY(9));
  w.port.drawRect(12, cellX(1), cellY(1), cellX(2), cellY(2));
  w.port.refresh();
  EXPECT_EQ(w.window.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32),
            w.window.canvas().image());
}
