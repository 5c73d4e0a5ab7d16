// The window font: IPA P Mincho, a proportional Mincho face that has the half-width katakana
// the game's texts use.
#pragma once

#include <QFont>

// Makes sure the face is available, loading it from its file when the system does not list
// it. False when it cannot be found; Qt then falls back to another face.
bool loadWindowFont();

QFont windowFont(double points, bool bold);
