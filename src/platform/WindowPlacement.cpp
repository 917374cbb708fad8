#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace
{

// Takes its window out of the maximised state the moment it gets there.
class CNormalState : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        auto* pWindow = static_cast<QWidget*>(pWatched);
        if (pEvent->type() == QEvent::WindowStateChange && pWindow->isMaximized())
            pWindow->setWindowState(pWindow->windowState() & ~Qt::WindowMaximized);
        return false;
    }
};

} // namespace

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

void SetWindowSize(QWidget* pWindow, const QSize& size)
{
    if (CanPlaceOwnWindows() || !pWindow->isWindow()) {
        pWindow->setFixedSize(size);
        return;
    }
    if (!pWindow->findChild<CNormalState*>(QString(), Qt::FindDirectChildrenOnly))
        pWindow->installEventFilter(new CNormalState(pWindow));
    pWindow->setMinimumSize(size);
    pWindow->resize(size);
}
