// The program's icon for menus and launchers: the game's king piece, standing alone on a
// transparent square, drawn afresh for each size so that every size is sharp.
#pragma once

#include <QDir>
#include <QImage>
#include <array>

namespace art {

// The sizes desktops ask for, in pixels (square).
constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

QImage appIcon(int size);

// Writes icons/<size>.png under `out` for every size; false when a file cannot be written.
bool writeIcons(const QDir& out);

}  // namespace art
