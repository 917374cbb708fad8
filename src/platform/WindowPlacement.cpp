#include "platform/WindowPlacement.h"

#include <QGuiApplication>

bool CanPlaceOwnWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
