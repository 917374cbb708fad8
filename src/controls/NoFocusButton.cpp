#include "controls/NoFocusButton.h"

#include <QStyleOptionButton>

// A click leaves the keyboard focus where it was, so that the letters typed next still reach
// their cell; Tab still reaches the button.
CNoFocusButton::CNoFocusButton(QWidget* pParent) : QPushButton(pParent)
{
    setFocusPolicy(Qt::TabFocus);
}

void CNoFocusButton::focusInEvent(QFocusEvent*) {}

void CNoFocusButton::initStyleOption(QStyleOptionButton* pOption) const
{
    QPushButton::initStyleOption(pOption);
    pOption->state &= ~QStyle::State_HasFocus;
}
