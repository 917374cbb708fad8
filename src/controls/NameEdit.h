#pragma once

#include <QLineEdit>

// The player's name field: the characters \ / : ; never get in, typed or pasted, and a name
// holds at most MAX_NAME_LENGTH characters.
class CNameEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CNameEdit(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
