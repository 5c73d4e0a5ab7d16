// The window on a high-density screen. These tests run at the device pixel ratios CTest gives
// them through QT_SCALE_FACTOR (1.5, 2 and 3): the layout keeps its logical pixels, and
// everything is drawn in the screen's finer pixels. Pictures show their finer variant's own
// pixels, outlines stay one logical pixel wide on the cells' edges, text is drawn at the finer
// resolution rather than enlarged. Pictures of the window at the ratio are left in the build
// folder beside the 1x ones: screenshot@2x.png, screenshot-game@2x.png and so on.
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/canvas.h"
#include "app/font.h"
#include "app/pictures.h"
#include "app/splash.h"
#include "game/control.h"
#include "high_density.h"
#include "rules/rules.h"

namespace {

const QRgb GREEN = qRgb(0, 128, 0);
const QRgb BLACK = qRgb(0, 0, 0);
const QRgb RED = qRgb(255, 0, 0);

double cellX(double x) {
  return 1050 + x * 495;
}
double cellY(double y) {
  return 100 + y * 615;
}
// The logical pixel holding the top-left corner of cell (x, y).
QPoint cellPixel(double x, double y) {
  return {static_cast<int>(cellX(x) / 15), static_cast<int>(cellY(y) / 15)};
}

QRect changed(const QImage& img, QRgb back) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != back) box |= QRect(x, y, 1, 1);
  return box;
}

QString shotPath(const char* name) {
  return QStringLiteral("%1/%2@%3x.png").arg(SCREENSHOT_DIR, name).arg(ratio());
}

// Accepts every message box as it appears.
class BoxAccepter {
 public:
  BoxAccepter() {
    QObject::connect(&poll_, &QTimer::timeout, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box && box->isVisible()) box->defaultButton()->click();
    });
    poll_.start(10);
  }

 private:
  QTimer poll_;
};

}  // namespace

TEST(HighDensity, TheLayoutKeepsItsSizeInFinerPixels) {
  ASSERT_GT(ratio(), 1) << "run with QT_SCALE_FACTOR above 1";
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  Canvas& c = w.window.canvas();
  EXPECT_EQ(c.devicePixelRatioF(), ratio());
  EXPECT_EQ(c.size(), QSize(614, 534));
  // At 2x the window shows twice as many pixels each way as at 1x (614 x 534).
  EXPECT_EQ(shown(w).size(), QSize(edge(614), edge(534)));
  EXPECT_EQ(c.image().size(), QSize(edge(614), edge(534)));
  // Presses still say where they are in twips.
  QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(235, 211));
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"mouseDown 1 3525 3165"});
}

TEST(HighDensity, PicturesShowTheirFinerVariantPixelForPixel) {
  const struct {
    int code;
    double x, y;
  } cases[] = {{-800, 5, 5}, {950, 5, 1}, {-11, 9, 9}, {0, 3, 7}, {3, -2, 3}, {1, 11.1, 0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.code);
    GameWindow w;
    w.port.drawPicture(k.code, cellX(k.x), cellY(k.y));
    const QImage img = shown(w);
    const QImage oneX = gamePicture(k.code).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect to = device(QRect(cellPixel(k.x, k.y), oneX.size()));
    EXPECT_EQ(img.copy(to), expectedPicture(k.code, to.size()));
    // Drawn for the screen, not the 1x picture made bigger.
    EXPECT_NE(img.copy(to), oneX.scaled(to.size()));
    // Nothing beyond its edges.
    EXPECT_EQ(changed(img, GREEN), to);
  }
}

TEST(HighDensity, OutlinesStayOneLogicalPixelWideOnTheCellEdges) {
  GameWindow w;
  w.port.drawPicture(-950, cellX(5), cellY(5));
  w.port.drawRect(12, cellX(5), cellY(5), cellX(6), cellY(6));
  const QImage img = shown(w);
  const QRect ring = device(QRect(QPoint(235, 211), QPoint(268, 252)));
  const QRect inside = device(QRect(QPoint(236, 212), QPoint(267, 251)));
  const QRect piece = device(QRect(235, 211, 33, 41));
  const QImage picture = expectedPicture(-950, piece.size());
  // The outline covers the picture's outermost logical pixel and the next cell's first one,
  // exactly; inside it the picture shows untouched.
  int wrong = 0, red = 0;
  for (int y = ring.top(); y <= ring.bottom(); ++y) {
    for (int x = ring.left(); x <= ring.right(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (!inside.contains(x, y)) {
        red += p == RED;
      } else if (p != picture.pixel(x - piece.left(), y - piece.top())) {
        ++wrong;
      }
    }
  }
  EXPECT_EQ(red, ring.width() * ring.height() - inside.width() * inside.height());
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(inside.left() - ring.left(), edge(236) - edge(235));
  EXPECT_EQ(ring.right() - inside.right(), edge(269) - edge(268));
  EXPECT_EQ(changed(img, GREEN), ring);
}

TEST(HighDensity, TextIsDrawnAtTheScreensResolution) {
  GameWindow w;
  w.port.setBackColour(0);
  w.port.drawText(3000, 3000, "九", 12, 14, false);
  const QImage img = shown(w);
  const QRect ink = changed(img, BLACK);
  ASSERT_TRUE(ink.isValid());

  // The same text as a plain 1x drawing at the layout's 96 dots per inch places it.
  QImage plain(300, 300, QImage::Format_RGB32);
  plain.setDotsPerMeterX(3780);
  plain.setDotsPerMeterY(3780);
  plain.fill(Qt::black);
  const QFont font = windowFont(12, false);
  QPainter p(&plain);
  p.setFont(font);
  p.setPen(Qt::yellow);
  p.drawText(QPointF(200, 200 + QFontMetricsF(font, &plain).ascent()), "九");
  p.end();
  const QRect plainInk = changed(plain, BLACK);
  ASSERT_TRUE(plainInk.isValid());

  // Where the 1x ink is, at the screen's scale, give or take a logical pixel.
  const double r = ratio();
  const int slack = static_cast<int>(std::ceil(r)) + 1;
  EXPECT_NEAR(ink.left(), plainInk.left() * r, slack);
  EXPECT_NEAR(ink.top(), plainInk.top() * r, slack);
  EXPECT_NEAR(ink.right() + 1, (plainInk.right() + 1) * r, slack);
  EXPECT_NEAR(ink.bottom() + 1, (plainInk.bottom() + 1) * r, slack);
  EXPECT_TRUE(device(QRect(200, 200, 17, 17)).contains(ink));

  // Yellow ink only, and at full strength in the strokes.
  int strongest = 0;
  for (int y = ink.top(); y <= ink.bottom(); ++y)
    for (int x = ink.left(); x <= ink.right(); ++x) {
      const QRgb px = img.pixel(x, y);
      EXPECT_EQ(qBlue(px), 0);
      EXPECT_LE(std::abs(qRed(px) - qGreen(px)), 1);
      strongest = std::max(strongest, qRed(px));
    }
  EXPECT_GE(strongest, 240);

  // Finer than the logical pixels: at a whole ratio, a 1x drawing made bigger would fill
  // every logical pixel's block of device pixels with one colour.
  const int n = static_cast<int>(r);
  if (n != r) return;
  int mixed = 0, blocks = 0;
  for (int y = ink.top() / n * n; y <= ink.bottom(); y += n)
    for (int x = ink.left() / n * n; x <= ink.right(); x += n) {
      const QImage block = img.copy(x, y, n, n);
      bool uniform = true;
      for (int i = 0; i < n * n; ++i)
        uniform = uniform && block.pixel(i % n, i / n) == block.pixel(0, 0);
      ++blocks;
      mixed += !uniform;
    }
  EXPECT_GT(mixed, blocks / 4) << mixed << " of " << blocks;
}

class HighDensityGame : public InScratchFolder {};

// The real start-up and a few moves against the computer clicked with the mouse, at the
// ratio; the splash and the window show the pictures made for it.
TEST_F(HighDensityGame, StartUpAndMovesAgainstTheComputer) {
  GameWindow w;
  BoxAccepter boxes;
  Form_Load(w.game);
  w.window.show();
  SplashWindow& splash = w.window.splash();
  const QSize splashSizes[3] = {{634, 190}, {280, 190}, {540, 190}};
  for (int i = 0; i < 3; ++i) {
    const QLabel* label = splash.picture(i);
    EXPECT_EQ(label->size(), splashSizes[i]) << i;
    EXPECT_EQ(label->pixmap().devicePixelRatio(), ratio()) << i;
    EXPECT_EQ(label->pixmap().size(), QSize(std::lround(splashSizes[i].width() * ratio()),
                                            std::lround(splashSizes[i].height() * ratio())))
        << i;
  }
  const QImage start = shown(w);
  const QRect logo = device(QRect(cellPixel(11.1, 0), QSize(167, 55)));
  EXPECT_EQ(start.copy(logo), expectedPicture(1, logo.size()));
  EXPECT_TRUE(w.window.grab().save(shotPath("screenshot")));

  w.window.action(Menu::LEVEL2)->trigger();
  w.window.action(Menu::SENTE)->trigger();
  ASSERT_EQ(w.game.TEBAN, w.game.MAN_TEBAN);
  const int moves[][4] = {{5, 9, 5, 8}, {4, 9, 4, 8}};
  int expected = 0;
  for (const auto& m : moves) {
    if (w.game.OU_TORI != 0) break;
    const int code = w.game.BAN[m[0]][m[1]];
    if (code > -10 || 移動チェック(w.game, m[0], m[1], m[2], m[3], code) != 1) break;
    for (int i = 0; i < 4; i += 2) {
      const QPoint at = cellPixel(m[i], m[i + 1]) + QPoint(16, 20);
      QTest::mouseClick(&w.window.canvas(), Qt::LeftButton, {}, at);
    }
    expected += 2;
    ASSERT_EQ(w.game.TESUU, expected) << "the click moved and the computer replied";
    const int tx = w.game.KIFU_SAKI_X[expected], ty = w.game.KIFU_SAKI_Y[expected];
    const int placed = w.game.KIFU_NARIGO[expected];
    // Inside its outline the computer's destination shows the piece made for the ratio.
    const QRect square = device(QRect(cellPixel(tx, ty), QSize(33, 41)));
    const QRect inner = device(QRect(cellPixel(tx, ty) + QPoint(1, 1), QSize(31, 39)));
    EXPECT_EQ(shown(w).copy(inner),
              expectedPicture(placed, square.size()).copy(inner.translated(-square.topLeft())))
        << "square " << tx << "," << ty;
  }
  EXPECT_GE(expected, 2);
  EXPECT_TRUE(w.window.grab().save(shotPath("screenshot-game")));
}
