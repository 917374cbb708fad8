#pragma once

// The review of a game of 16 guesses in the largest dictionary, in process on the offscreen
// platform: the time from its creation to the dialog painted, with the coach weighing every
// guess. Prints the figures; false when any opening took 100 ms or more.
bool RunReviewBench();
