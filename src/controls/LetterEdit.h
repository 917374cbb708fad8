#pragma once

#include <QLineEdit>

// One letter cell of the entry row: holds nothing or one upper-case letter A to Z. Typing a
// letter fills the cell and moves on to the next one, Backspace steps back, Space clears;
// every key sounds. The cells are siblings with the consecutive ids 2200 to 2203.
class CLetterEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CLetterEdit(QWidget* pParent = nullptr);

    // The cell's letter, or 0 while it is empty.
    char GetLetter() const;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    bool OnArrowAtEdge(int nKey);
    void OnLetter(QChar ch);
    void OnBackspace();
    void OnSpace();
    void FocusCell(int nId);
};
