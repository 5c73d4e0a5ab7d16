// make_pictures: draws every picture of the game and writes them as PNG files.
//
//   QT_QPA_PLATFORM=offscreen make_pictures <folder> [--preview <folder>]
//
// writes, under <folder> (the repository's assets/):
//   pieces/<code>.png  one file per picture code of the game, named by the code itself:
//                      0 the empty square; -10 .. -950 the lower side's pieces and
//                      10 .. 950 the upper side's (odd codes are the promoted kinds), all
//                      33 x 41; 1 the logo, 167 x 55; 2..6 the background tiles green,
//                      tatami, bamboo, space and brick, 34 x 41 (they repeat every 33 pixels
//                      across, the game's cell width, and every 41 down).
//   splash/1.png .. splash/3.png  the three splash pictures, shown in this order.
//   icons/<size>.png  the program's icon for menus and launchers, 16 .. 256 pixels square.
// and every picture but the icons again at twice and three times its size, named <name>@2x.png and
// <name>@3x.png beside it, for high-density screens.
// With --preview it also writes, into its own folder, sheets for checking the artwork by eye:
// the main window with the starting position on every background, and the pieces enlarged.
// The pictures need the IPA Mincho fonts (Debian: fonts-ipafont-mincho).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "pictures/art.h"
#include "pictures/icons.h"

namespace {

constexpr int kStepW = art::kCellW;  // background tiles are laid at cell steps
const std::vector<int> kKinds = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950};
// Every picture is drawn at its size and at twice and three times it, for screens that show
// more than one pixel to each of the layout's.
const std::vector<int> kScales = {1, 2, 3};

bool save(const QImage& img, const QString& path) {
  if (img.save(path, "PNG")) return true;
  std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
  return false;
}

// The file name of a picture at `scale`: Qt's own names for the finer variants.
QString variant(const QString& name, int scale) {
  return scale == 1 ? name + ".png" : QString("%1@%2x.png").arg(name).arg(scale);
}

bool writeAll(const QDir& out) {
  if (!out.mkpath("pieces") || !out.mkpath("splash")) {
    std::fprintf(stderr, "make_pictures: cannot create folders in %s\n", qPrintable(out.path()));
    return false;
  }
  bool ok = true;
  for (int scale : kScales) {
    auto piece = [&](int code, const QImage& img) {
      return save(img, out.filePath(variant(QString("pieces/%1").arg(code), scale)));
    };
    ok = ok && piece(0, art::emptySquare(scale)) && piece(1, art::logo(scale));
    for (int kind : kKinds) {
      ok = ok && piece(-kind, art::piecePicture(-kind, scale)) &&
           piece(kind, art::piecePicture(kind, scale));
    }
    for (int code = 2; code <= 6; ++code) ok = ok && piece(code, art::backgroundTile(code, scale));
    for (int i = 1; i <= 3; ++i) {
      ok = ok &&
           save(art::splash(i, scale), out.filePath(variant(QString("splash/%1").arg(i), scale)));
    }
  }
  return ok;
}

// --- Preview sheets: the main window as the game lays it out (twips / 15 = pixels). ---

QPoint cellPixel(double x, double y) {
  return QPoint(qRound((1050 + x * 495) / 15), qRound((100 + y * 615) / 15));
}

QImage mockWindow(const QDir& out, int background) {
  auto picture = [&](int code) { return QImage(out.filePath(QString("pieces/%1.png").arg(code))); };
  QImage win(613, 533, QImage::Format_RGB32);
  win.fill(QColor(0, 128, 0));
  QPainter p(&win);
  const QImage tile = picture(background);
  for (int x = -3; x <= 28; ++x)
    for (int y = -2; y <= 17; ++y)
      if (x < 1 || x > 9 || y < 1 || y > 9) p.drawImage(cellPixel(x, y), tile);
  auto cell = [&](int code, int x, int y) {
    p.drawImage(cellPixel(x, y), picture(code));
    p.setPen(QColor(0, 128, 0));
    p.drawRect(QRect(cellPixel(x, y), cellPixel(x + 1, y + 1) - QPoint(1, 1)));
  };
  // Starting position, with the promoted kinds and pawns set out in the empty middle rows.
  int board[10][10] = {};
  const int back[10] = {0, 20, 30, 100, 110, 950, 110, 100, 30, 20};
  for (int x = 1; x <= 9; ++x) board[x][1] = back[x], board[x][9] = -back[x];
  board[8][2] = 800, board[2][2] = 900, board[2][8] = -800, board[8][8] = -900;
  const int shown[7] = {11, 21, 31, 101, 801, 901, 10};
  for (int i = 0; i < 7; ++i) board[i + 2][4] = shown[i], board[i + 2][6] = -shown[i];
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) cell(board[x][y], x, y);
  const int hand[8] = {0, 10, 20, 30, 100, 110, 800, 900};
  for (int y = 1; y <= 7; ++y) cell(y <= 3 ? hand[8 - y] : 0, -1, y);
  for (int i = 1; i <= 7; ++i) cell(i >= 5 ? -hand[i] : 0, 11, i + 2);
  p.drawImage(cellPixel(11.1, 0), picture(1));
  return win;
}

bool writePreview(const QDir& out, const QDir& preview) {
  if (!preview.mkpath(".")) return false;
  bool ok = true;
  for (int code = 2; code <= 6; ++code) {
    ok = ok && save(mockWindow(out, code), preview.filePath(QString("window-%1.png").arg(code)));
  }
  const QImage win = mockWindow(out, 2);
  ok = ok && save(win.copy(0, 0, 420, 210).scaled(1260, 630), preview.filePath("zoom3.png"));
  QImage tiles(5 * 6 * kStepW + 4 * 8, 4 * art::kCellH, QImage::Format_RGB32);
  tiles.fill(Qt::white);
  QPainter t(&tiles);
  for (int code = 2; code <= 6; ++code) {
    const QImage tile(out.filePath(QString("pieces/%1.png").arg(code)));
    for (int x = 0; x < 6; ++x)
      for (int y = 0; y < 4; ++y)
        t.drawImage((code - 2) * (6 * kStepW + 8) + x * kStepW, y * art::kCellH, tile);
  }
  t.end();
  ok = ok && save(tiles.scaled(tiles.size() * 2), preview.filePath("tiles2.png"));
  const int splashLeft[3] = {56, 233, 103};  // where the game puts them, 130 from the top
  for (int i = 1; i <= 3; ++i) {
    QImage window(747, 453, QImage::Format_RGB32);
    window.fill(QColor(240, 240, 240));
    QPainter w(&window);
    w.drawImage(splashLeft[i - 1], 130, QImage(out.filePath(QString("splash/%1.png").arg(i))));
    w.end();
    ok = ok && save(window, preview.filePath(QString("splash-%1.png").arg(i)));
  }
  QImage sheet(15 * 36 * 3, 2 * 44 * 3 + 20, QImage::Format_RGB32);
  sheet.fill(QColor(0, 128, 0));
  QPainter p(&sheet);
  for (int i = 0; i < static_cast<int>(kKinds.size()) + 1; ++i) {
    const int kind = i == 0 ? 0 : kKinds[i - 1];
    p.drawImage(i * 36 * 3, 0, kind ? art::piecePicture(-kind, 3) : art::emptySquare(3));
    p.drawImage(i * 36 * 3, 44 * 3, kind ? art::piecePicture(kind, 3) : art::emptySquare(3));
  }
  p.end();
  return ok && save(sheet, preview.filePath("pieces3.png"));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--preview")) {
    std::fprintf(stderr, "usage: make_pictures <folder> [--preview <folder>]\n");
    return 2;
  }
  if (art::fonts().mincho.isEmpty() || art::fonts().pmincho.isEmpty()) {
    std::fprintf(stderr,
                 "make_pictures: the IPA Mincho fonts are missing (fonts-ipafont-mincho)\n");
    return 1;
  }
  const QDir out(args[1]);
  if (!writeAll(out) || !art::writeIcons(out)) return 1;
  if (args.size() == 4 && !writePreview(out, QDir(args[3]))) return 1;
  return 0;
}
