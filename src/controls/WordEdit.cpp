#include "controls/WordEdit.h"

#include "controls/EntryFilter.h"

CWordEdit::CWordEdit(QWidget* pParent) : QLineEdit(pParent)
{
    setValidator(new CCharFilter(IsAsciiLetter, false, this));
}

// Refused before the edit sees them, control characters (Ctrl+V, Ctrl+C) included.
void CWordEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar ch = TypedChar(*pEvent);
    if (!ch.isNull() && !IsAsciiLetter(ch) && ch != u'\b')
        return;
    QLineEdit::keyPressEvent(pEvent);
}
