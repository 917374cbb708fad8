#include "controls/NameEdit.h"

#include "controls/EntryFilter.h"

CNameEdit::CNameEdit(QWidget* pParent) : QLineEdit(pParent)
{
    setMaxLength(MAX_NAME_LENGTH);
    setValidator(new CCharFilter(IsNameChar, false, this));
}

// Refused before the edit sees them, so that a selection survives a refused key.
void CNameEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar ch = TypedChar(*pEvent);
    if (!ch.isNull() && !IsNameChar(ch))
        return;
    QLineEdit::keyPressEvent(pEvent);
}
