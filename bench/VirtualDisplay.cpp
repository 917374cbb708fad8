#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

namespace
{

constexpr int SERVER_START_MS = 20000;

struct FreeEvent {
    void operator()(xcb_generic_event_t* pEvent) const { std::free(pEvent); }
};
using EventPtr = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

// Menus and tooltips are mapped without the window manager; they are no program window.
std::uint32_t MappedTopLevel(const xcb_generic_event_t& event)
{
    if ((event.response_type & 0x7f) != XCB_MAP_NOTIFY)
        return 0;
    const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
    return map.override_redirect ? 0 : map.window;
}

} // namespace

CVirtualDisplay::~CVirtualDisplay()
{
    if (m_pConnection)
        xcb_disconnect(m_pConnection);
    m_server.kill();
    m_server.waitForFinished();
}

bool CVirtualDisplay::Start()
{
    // -displayfd picks a free display and reports it once clients can connect; -terminate
    // ends the server with its last client, so it cannot outlive a killed benchmark.
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-terminate")});
    QDeadlineTimer deadline(SERVER_START_MS);
    while (!m_server.canReadLine() && m_server.waitForReadyRead(deadline.remainingTime())) {
    }
    const QByteArray number = m_server.readLine().trimmed();
    if (number.isEmpty())
        return false;
    m_strName = QStringLiteral(":") + QString::fromLatin1(number);
    m_pConnection = xcb_connect(m_strName.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_pConnection))
        return false;
    const xcb_screen_t* pScreen = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data;
    const std::uint32_t nMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const EventPtr error(reinterpret_cast<xcb_generic_event_t*>(xcb_request_check(
        m_pConnection, xcb_change_window_attributes_checked(m_pConnection, pScreen->root,
                                                            XCB_CW_EVENT_MASK, &nMask))));
    return !error;
}

void CVirtualDisplay::DropEvents()
{
    while (EventPtr(xcb_poll_for_event(m_pConnection))) {
    }
}

std::uint32_t CVirtualDisplay::WaitForMap(int nTimeoutMs)
{
    QDeadlineTimer deadline(nTimeoutMs);
    for (;;) {
        while (const EventPtr pEvent{xcb_poll_for_event(m_pConnection)}) {
            if (const std::uint32_t nWindow = MappedTopLevel(*pEvent))
                return nWindow;
        }
        if (deadline.hasExpired() || xcb_connection_has_error(m_pConnection))
            return 0;
        pollfd fd{xcb_get_file_descriptor(m_pConnection), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(deadline.remainingTime()));
    }
}
