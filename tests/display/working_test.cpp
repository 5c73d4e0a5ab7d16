// A procedure that goes on working without the event loop, as the computer's search does:
// what it drew before shows on the X server's screen meanwhile, and the clicks made meanwhile
// are not played afterwards.
#include <QImage>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/canvas.h"
#include "on_display.h"

namespace {

std::atomic<bool> drawn;
int clicks = 0;

// Draws a king on square (5, 5), asks for it to be shown, then works for a while.
void drawAndWork(Game& g, int, double, double) {
  ++clicks;
  g.port.drawPicture(-950, 1050 + 5 * 495, 100 + 5 * 615);
  g.port.refresh();
  drawn = true;
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
}

}  // namespace

class WorkingOn : public OnDisplay {};

TEST_F(WorkingOn, WhatWasDrawnShowsWhileTheGameWorksAndClicksMeanwhileAreDropped) {
  GameHandlers h = gameHandlers();
  h.mouseDown = drawAndWork;
  freshWindow(h);
  w().window.show();
  ASSERT_TRUE(waitUntil([this] { return player().viewable(w().window.winId()); }, 10));
  expectScreenShowsPicture("window shown");
  drawn = false;
  clicks = 0;
  // The test's own player, on its own thread, looks at the screen while the game works, and
  // clicks twice more.
  const Canvas& c = w().window.canvas();
  const QRect board(onScreen(&c, QPoint()), c.size());
  const QPoint more[] = {cell(6, 6), cell(7, 7)};
  QImage seen;
  std::thread looker([&] {
    XPlayer eyes(testDisplay());
    for (int i = 0; !drawn && i < 2000; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    seen = eyes.screen(board);
    for (const QPoint& at : more) eyes.click(at);
  });
  player().click(cell(5, 5));
  EXPECT_TRUE(waitUntil([] { return clicks > 0; }, 10));
  looker.join();
  processEventsFor(500);
  EXPECT_EQ(seen, w().window.canvas().image()) << "the king was not on the screen meanwhile";
  EXPECT_EQ(clicks, 1);
}
