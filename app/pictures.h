// The game's pictures, compiled into the program as Qt resources.
#pragma once

#include <QPixmap>

// The picture of a picture code (pieces, empty square, logo, background tiles); a null pixmap
// for a code that has none.
QPixmap gamePicture(int code);
// Splash picture 1..3.
QPixmap splashPicture(int number);
