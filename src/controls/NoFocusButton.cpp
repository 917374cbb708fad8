#include "controls/NoFocusButton.h"

#include <QStyleOptionButton>

CNoFocusButton::CNoFocusButton(QWidget* pParent) : QPushButton(pParent) {}

void CNoFocusButton::focusInEvent(QFocusEvent*) {}

void CNoFocusButton::initStyleOption(QStyleOptionButton* pOption) const
{
    QPushButton::initStyleOption(pOption);
    pOption->state &= ~QStyle::State_HasFocus;
}
