#pragma once

// False where the window system places every top-level window itself (Wayland): there a
// program's own moves are ignored, and positions it reads back are not where windows are.
bool CanPlaceOwnWindows();
