// Helpers for the window on a high-density screen: the device pixel ratio the run was given
// (QT_SCALE_FACTOR), where logical pixels land in device pixels, and the window as painted.
#pragma once

#include <QImage>
#include <QRect>

#include "app_fixture.h"

// The device pixels to a logical pixel that the screen under test has.
double ratio();
// The device pixel at which logical pixel `e` begins: edges between logical pixels fall on the
// nearest device pixel edge, so neighbours meet without gaps at any ratio.
int edge(int e, double r = ratio());
// The device pixels that show a rectangle of logical pixels.
QRect device(const QRect& logical, double r = ratio());
// The window's drawing area as it is painted, one pixel per device pixel.
QImage shown(GameWindow& w);
// The picture of `code` as a screen of the ratio should show it on `size` device pixels: the
// variant of the nearest scale at least as fine, brought smoothly to size when they differ.
QImage expectedPicture(int code, QSize size, double r = ratio());
