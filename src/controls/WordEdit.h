#pragma once

#include <QLineEdit>

// The Set Word field: lets in letters a to z and A to Z, typed or pasted, in the case given.
class CWordEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CWordEdit(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
