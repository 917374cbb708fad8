#pragma once

#include <QSize>

class QWidget;

// False where the window system places every top-level window itself (Wayland): there a
// program's own moves are ignored, and positions it reads back are not where windows are.
bool CanPlaceOwnWindows();

// Leaves a window's place to the window system alone. A window owned by another is centred
// over its owner there (GNOME, KDE); one without is put where it covers the others least.
void LeavePlacementToWindowSystem(QWidget* pWindow);

// Gives a window a size the player cannot change. Where the window system may maximise it
// all the same (Wayland, with Qt's own title bar), the window gives way for that moment and
// then returns to its size.
void SetFixedWindowSize(QWidget* pWindow, QSize size);

// Widens a window that is too narrow for its title, its contents kept in the middle.
void FitWidthToTitle(QWidget* pWindow);
