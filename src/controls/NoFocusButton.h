#pragma once

#include <QPushButton>

// A push button that takes the keyboard focus from Tab, never from a click; focusing it
// leaves the dialog's default button as it was. Focus that came from the keyboard shows as a
// mark of its own, the same in every style; focus given by the program shows nothing.
class CNoFocusButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CNoFocusButton(QWidget* pParent = nullptr);

protected:
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void initStyleOption(QStyleOptionButton* pOption) const override;

private:
    bool m_bKeyboardFocus = false;
};
