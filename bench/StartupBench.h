#pragma once

class CVirtualDisplay;

// The real program against a bare Qt dialog, both started afresh on a private X server:
// the time to the first window, and the memory held once a window shows.
// Prints the figures; false when a target is missed or a program could not be measured.
bool RunStartupBench(CVirtualDisplay& display);
bool RunMemoryBench(CVirtualDisplay& display);
