#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtMath>

namespace
{

const char KEEPER_NAME[] = "fixedSizeKeeper";
constexpr Qt::WindowStates MAXIMISED = Qt::WindowMaximized | Qt::WindowFullScreen;

// A Wayland compositor ends a program whose maximised window does not take the size it was
// given, and Qt's own title bar offers Maximize on every window. So the size limit is lifted
// the moment a maximise is asked for, before the compositor answers; once it has, the window
// is asked back to normal, and the limit returns when the compositor has put it back.
class CFixedSizeKeeper : public QObject
{
public:
    explicit CFixedSizeKeeper(QWidget* pWindow) : QObject(pWindow), m_pWindow(pWindow)
    {
        setObjectName(QLatin1String(KEEPER_NAME));
        pWindow->installEventFilter(this);
    }

    void SetSize(QSize size)
    {
        m_size = size;
        m_pWindow->setMinimumSize(size);
        if (!m_bLifted)
            m_pWindow->setMaximumSize(size);
    }

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && !m_pWatched)
            Watch(m_pWindow->windowHandle());
        // Only the window system's own word says what it has done; Qt tells a widget of every
        // request at once as well.
        else if (pEvent->type() == QEvent::WindowStateChange && pEvent->spontaneous())
            OnStateApplied(m_pWindow->windowState());
        return false;
    }

private:
    void Watch(QWindow* pWindow)
    {
        m_pWatched = pWindow;
        if (!pWindow)
            return;
        connect(pWindow, &QWindow::windowStateChanged, this, &CFixedSizeKeeper::OnStateAsked);
        OnStateAsked(pWindow->windowState());
    }

    void OnStateAsked(Qt::WindowState state)
    {
        if (!(state & MAXIMISED))
            return;
        m_bLifted = true;
        m_pWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void OnStateApplied(Qt::WindowStates states)
    {
        // Asked once Qt has taken in the compositor's whole answer: asked while it is still
        // taking it in, Qt sees nothing to change and asks nothing.
        if (states & MAXIMISED) {
            QMetaObject::invokeMethod(this, &CFixedSizeKeeper::AskBackToNormal,
                                      Qt::QueuedConnection);
        } else if (m_bLifted) {
            m_bLifted = false;
            SetSize(m_size);
        }
    }

    void AskBackToNormal()
    {
        if (m_pWatched)
            m_pWatched->setWindowStates(m_pWatched->windowStates() & ~MAXIMISED);
    }

    QWidget* m_pWindow;
    QPointer<QWindow> m_pWatched;
    QSize m_size;
    bool m_bLifted = false;
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

void SetFixedWindowSize(QWidget* pWindow, QSize size)
{
    if (CanPlaceOwnWindows() || !pWindow->isWindow()) {
        pWindow->setFixedSize(size);
        return;
    }
    auto* pKeeper = static_cast<CFixedSizeKeeper*>(
        pWindow->findChild<QObject*>(QLatin1String(KEEPER_NAME), Qt::FindDirectChildrenOnly));
    if (!pKeeper)
        pKeeper = new CFixedSizeKeeper(pWindow);
    pKeeper->SetSize(size);
}

void FitWidthToTitle(QWidget* pWindow)
{
    // Qt's own Wayland title bar centres the title in 14 px letters, with its icon on one side
    // and three 22 px buttons on the other, so both sides need the buttons' room; other title
    // bars need less, some in bold. An X11 window manager draws its title bar unscaled.
    // Measured in the window's own font, which is loaded already, scaled to 14 px and widened
    // as bold letters are, up to 16 %: no other face or size has to load before it shows.
    constexpr int TITLE_BAR_ROOM_PX = 2 * 88;
    constexpr qreal TITLE_PX = 14;
    constexpr qreal BOLD_WIDENING = 1.16;
    const QFont font = pWindow->font();
    const qreal rFontPx =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * pWindow->logicalDpiY() / 72;
    const qreal rTitle = QFontMetricsF(font).horizontalAdvance(pWindow->windowTitle()) *
                         TITLE_PX / rFontPx * BOLD_WIDENING;
    const qreal rScale = CanPlaceOwnWindows() ? pWindow->devicePixelRatioF() : 1.0;
    const int nWidth = qCeil((rTitle + TITLE_BAR_ROOM_PX) / rScale);
    const int nExtra = nWidth - pWindow->width();
    if (nExtra <= 0)
        return;
    for (QWidget* pChild : pWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!pChild->isWindow())
            pChild->move(pChild->x() + nExtra / 2, pChild->y());
    }
    SetFixedWindowSize(pWindow, QSize(nWidth, pWindow->height()));
}
