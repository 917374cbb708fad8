#include "controls/NoFocusButton.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionButton>

// A click leaves the keyboard focus where it was, so that the letters typed next still reach
// their cell; Tab still reaches the button.
CNoFocusButton::CNoFocusButton(QWidget* pParent) : QPushButton(pParent)
{
    setFocusPolicy(Qt::TabFocus);
}

namespace
{

// The window losing the activation, or a menu opening, takes the focus only for a while.
bool IsPassing(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

void CNoFocusButton::focusInEvent(QFocusEvent* pEvent)
{
    const Qt::FocusReason reason = pEvent->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        m_bKeyboardFocus = true;
    else if (!IsPassing(reason))
        m_bKeyboardFocus = false;
    update();
}

void CNoFocusButton::focusOutEvent(QFocusEvent* pEvent)
{
    if (!IsPassing(pEvent->reason()))
        m_bKeyboardFocus = false;
    QPushButton::focusOutEvent(pEvent);
}

void CNoFocusButton::paintEvent(QPaintEvent* pEvent)
{
    QPushButton::paintEvent(pEvent);
    if (!hasFocus() || !m_bKeyboardFocus)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

void CNoFocusButton::initStyleOption(QStyleOptionButton* pOption) const
{
    QPushButton::initStyleOption(pOption);
    pOption->state &= ~QStyle::State_HasFocus;
}
