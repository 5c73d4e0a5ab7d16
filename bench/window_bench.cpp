// How long the window takes to draw: a whole repaint by the game, and drawing again all that
// the window keeps, as it does when it moves to a screen of another pixel density. Both run
// at the ratio Qt is given, so run it as
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 bench_window
// to see the cost at 2x (without QT_SCALE_FACTOR it measures 1x).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/canvas.h"
#include "app/font.h"
#include "app/main_window.h"
#include "app/qt_port.h"
#include "rules/rules.h"
#include "screen/screen.h"

namespace {

// The window with the starting position drawn on the tatami background.
struct Window {
  Window() : port(window), game(port) {
    window.attach(game);
    game.BAN_X0 = 1050;
    game.BAN_Y0 = 100;
    game.MASU_W = 495;
    game.MASU_H = 615;
    game.HAIKEI = 3;
    lay_out_initial_position(game);
    画面_再描画(game);
  }
  MainWindow window;
  QtPort port;
  Game game;
};

void BM_Repaint(benchmark::State& state) {
  Window w;
  for (auto _ : state) 画面_再描画(w.game);
  state.counters["ratio"] = w.window.canvas().pixelRatio();
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond);

void BM_DrawKeptAgain(benchmark::State& state) {
  Window w;
  Canvas& c = w.window.canvas();
  for (auto _ : state) c.setClientSize(9200, 8000);
  state.counters["ratio"] = c.pixelRatio();
  state.counters["kept"] = static_cast<double>(c.keptMarks());
}
BENCHMARK(BM_DrawKeptAgain)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  loadWindowFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
