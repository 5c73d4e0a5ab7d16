// The game's pictures, compiled into the program as Qt resources, each at its size and at
// twice and three times it for high-density screens.
#pragma once

#include <QPixmap>

// The picture of a picture code (pieces, empty square, logo, background tiles) drawn at
// `scale` (1, 2 or 3) times its size, with that device pixel ratio; a null pixmap for a code
// or a scale that has none.
QPixmap gamePicture(int code, int scale = 1);
// Splash picture 1..3 at `scale` times its size, likewise.
QPixmap splashPicture(int number, int scale = 1);
// The scale of the pictures a screen with `ratio` device pixels to a pixel of the layout
// should use: the nearest one at least as fine, or the finest there is.
int pictureScale(double ratio);
// Splash picture 1..3 made for `ratio`: its finest fitting variant brought smoothly to the
// device pixels it covers there, so it shows at its usual size without being enlarged.
QPixmap splashPictureFor(int number, double ratio);
