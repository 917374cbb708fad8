#pragma once

#include <QProcess>
#include <QString>
#include <cstdint>

struct xcb_connection_t;

// A private X server (Xvfb) and a watch on its top-level windows: programs started with
// Name() as their DISPLAY can be timed to the moment their first window is mapped.
class CVirtualDisplay
{
public:
    CVirtualDisplay() = default;
    ~CVirtualDisplay();
    CVirtualDisplay(const CVirtualDisplay&) = delete;
    CVirtualDisplay& operator=(const CVirtualDisplay&) = delete;

    bool Start();
    QString Name() const { return m_strName; }

    // Forgets the window events seen so far.
    void DropEvents();
    // Waits for the next top-level window to be mapped; its id, or 0 after the timeout.
    std::uint32_t WaitForMap(int nTimeoutMs);

private:
    QProcess m_server;
    QString m_strName;
    xcb_connection_t* m_pConnection = nullptr;
};
