#include "controls/NameEdit.h"

#include "controls/EntryFilter.h"
#include "store/PlayerSettings.h"

CNameEdit::CNameEdit(QWidget* pParent) : QLineEdit(pParent)
{
    // The store's own rule, so that the field lets in nothing the store would refuse.
    setMaxLength(MAX_NAME_LENGTH);
    setValidator(new CCharFilter(CPlayerSettings::IsNameChar, false, this));
}

// Refused before the edit sees them, so that a selection survives a refused key.
void CNameEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar ch = TypedChar(*pEvent);
    if (!ch.isNull() && !CPlayerSettings::IsNameChar(ch))
        return;
    QLineEdit::keyPressEvent(pEvent);
}
