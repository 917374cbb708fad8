#pragma once

#include <QKeyEvent>
#include <QValidator>

// What the entry fields let in, typed or pasted. The fields test typed characters against
// these rules one key at a time; CCharFilter applies the same rules to text that arrives
// in one piece (paste, drag and drop, middle click, input method).

inline bool IsAsciiLetter(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The character a key press types into a field, or null: moving keys, Delete, and Enter, Tab
// and Escape (which belong to the dialog) type nothing, nor do Alt and Meta shortcuts.
inline QChar TypedChar(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    case Qt::Key_Backspace:
        return u'\b';
    default:
        break;
    }
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier) || event.text().isEmpty())
        return {};
    const QChar ch = event.text().front();
    // Ctrl with a letter types a control character (Ctrl+V is 0x16), though some platforms
    // and test drivers report the letter itself.
    if ((event.modifiers() & Qt::ControlModifier) && IsAsciiLetter(ch))
        return QChar(ch.unicode() & 0x1F);
    return ch;
}

// Drops every character that pfnKeep refuses from the text, upper-casing the rest if asked.
class CCharFilter : public QValidator
{
public:
    CCharFilter(bool (*pfnKeep)(QChar), bool bUpperCase, QObject* pParent)
        : QValidator(pParent), m_pfnKeep(pfnKeep), m_bUpperCase(bUpperCase)
    {
    }

    State validate(QString& strInput, int& nPos) const override
    {
        QString strKept;
        int nKeptPos = nPos;
        for (qsizetype i = 0; i < strInput.size(); ++i) {
            if (m_pfnKeep(strInput[i]))
                strKept += m_bUpperCase ? strInput[i].toUpper() : strInput[i];
            else if (i < nPos)
                --nKeptPos;
        }
        strInput = strKept;
        nPos = nKeptPos;
        return Acceptable;
    }

private:
    bool (*m_pfnKeep)(QChar);
    bool m_bUpperCase;
};
