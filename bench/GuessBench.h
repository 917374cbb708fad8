#pragma once

// The main window in process, on the offscreen platform: the time from Enter to the
// scored guess's row on screen, with 1, 100 and 1000 rows already on the board, and the
// memory that a hundred finished games leave behind. Prints the figures; false when the
// median guess took longer than a frame, any guess longer than two, or the games grew.
bool RunGuessBench();
