#pragma once

// The main window in process, on the offscreen platform: the time from Enter to the
// scored guess's row on screen, with 1, 100 and 1000 rows already on the board.
// Prints the figures; false when a guess took longer than a frame.
bool RunGuessBench();
