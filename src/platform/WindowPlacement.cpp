#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

bool CanPlaceOwnWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void LeavePlacementToWindowSystem(QWidget* pWindow)
{
    // The widget stays its owner's child, so that it closes with it; only the window system
    // is not told of the owner.
    pWindow->winId();
    pWindow->windowHandle()->setTransientParent(nullptr);
}
