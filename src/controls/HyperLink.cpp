#include "controls/HyperLink.h"

#include "platform/ShellOpen.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QToolTip>

namespace
{

constexpr int HOVER_CHECK_MS = 100;
constexpr int TOOLTIP_DELAY_MS = 200;

} // namespace

CHyperLink::CHyperLink(QWidget* pParent) : QLabel(pParent) {}

void CHyperLink::Attach()
{
    // Moves without a button pressed must reach the label for the hover look.
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    if (m_strTarget.isEmpty())
        m_strTarget = text();
    m_fontNormal = font();
    m_fontUnderlined = font();
    m_fontUnderlined.setUnderline(true);
    m_strToolText = m_strTarget;
    m_bAttached = true;
    ShowColour();
}

void CHyperLink::SetTarget(const QString& strTarget)
{
    m_strTarget = strTarget;
}

void CHyperLink::SetTooltip(const QString& strTooltip)
{
    m_strTooltip = strTooltip;
    if (m_bAttached && !strTooltip.isEmpty())
        m_strToolText = strTooltip;
}

void CHyperLink::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!m_bHovering) {
        SetHovering(true);
        m_hoverTimer.start(HOVER_CHECK_MS, this);
        m_tooltipTimer.start(TOOLTIP_DELAY_MS, this);
    }
    QLabel::mouseMoveEvent(pEvent);
}

// The label takes every press, so that none reaches the dialog below it.
void CHyperLink::mousePressEvent(QMouseEvent* pEvent)
{
    pEvent->accept();
    if (pEvent->button() == Qt::LeftButton && !m_strTarget.isEmpty())
        ShellOpen(m_strTarget);
}

// The second press of a double click opens nothing more.
void CHyperLink::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    pEvent->accept();
}

void CHyperLink::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_hoverTimer.timerId())
        OnHoverTimer();
    else if (pEvent->timerId() == m_tooltipTimer.timerId())
        ShowTooltip();
    else
        QLabel::timerEvent(pEvent);
}

// The pointer may leave without a move reaching the label, so the hover ends when a tick
// finds it outside.
void CHyperLink::OnHoverTimer()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_hoverTimer.stop();
    m_tooltipTimer.stop();
    SetHovering(false);
}

void CHyperLink::ShowTooltip()
{
    m_tooltipTimer.stop();
    if (!m_strTooltip.isEmpty())
        QToolTip::showText(QCursor::pos(), m_strToolText, this, rect());
}

void CHyperLink::SetHovering(bool bHovering)
{
    m_bHovering = bHovering;
    setFont(bHovering ? m_fontUnderlined : m_fontNormal);
    ShowColour();
}

void CHyperLink::ShowColour()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, m_bHovering ? m_clrHover : m_clrNormal);
    setPalette(palette);
}
