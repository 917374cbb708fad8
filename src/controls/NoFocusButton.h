#pragma once

#include <QPushButton>

// A push button that takes the keyboard focus from Tab, never from a click, and without
// showing it: no focus rectangle, and focusing it leaves the dialog's default button as it was.
class CNoFocusButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CNoFocusButton(QWidget* pParent = nullptr);

protected:
    void focusInEvent(QFocusEvent* pEvent) override;
    void initStyleOption(QStyleOptionButton* pOption) const override;
};
