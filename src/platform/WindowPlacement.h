#pragma once

class QSize;
class QWidget;

// False where the window system places every top-level window itself (Wayland): there a
// program's own moves are ignored, and positions it reads back are not where windows are.
bool CanPlaceOwnWindows();

// Leaves a window's place to the window system alone. A window owned by another is centred
// over its owner there (GNOME, KDE); one without is put where it covers the others least.
void LeavePlacementToWindowSystem(QWidget* pWindow);

// Gives a window the one size it has. Where client-side title bars offer Maximize to every
// window (Wayland), a window fixed at that size would break the compositor's rule that a
// maximised window fills the screen, and the compositor would end the program; there the size
// is only the least, and a maximised window goes back to it at once.
void SetWindowSize(QWidget* pWindow, const QSize& size);
