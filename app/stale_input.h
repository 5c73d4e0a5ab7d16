// Input that arrived while the game was busy. The window system keeps the clicks and keys made
// during the computer's turn or a wait and would hand them over once the game is ready again,
// so that impatient clicks became moves nobody meant. They are dropped instead.
#pragma once

// Delivers every event already queued, except mouse clicks, wheel turns and key presses from
// the window system, which are thrown away. Esc goes through: it still ends the program.
void dropQueuedInput();
