// Keyboard access to the menu bar, as desktop programs give it: a lone Alt or F10 puts the
// keyboard on the first caption of the bar, and the arrows, Return and Esc then work as in any
// menu. The captions stay as they are: no letter of them is underlined or bound to a key.
#pragma once

class QMenuBar;

// Gives the window's menu bar its keyboard access; the bar must already sit in its window.
void enableMenuKeys(QMenuBar& bar);
