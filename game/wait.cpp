// Short pauses: after the computer's move and during the splash.
#include "game/control.h"

// The window's own wait measures the duration on a monotonic clock, so it ends after the
// requested time even when it spans midnight, and it lets no input through meanwhile.
void 待ち時間(Game& g, double seconds) {
  g.port.wait(seconds);
}
