#include "controls/LetterEdit.h"

#include "appcore/AppCore.h"
#include "controls/EntryFilter.h"
#include "platform/DialogBuilder.h"
#include "res/Resource.h"

#include <QKeyEvent>
#include <QProxyStyle>

namespace
{

// A cell with its letter selected shows no caret, so that it reads as "type to replace";
// an empty or unselected cell keeps its caret.
class CCaretStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* pOption,
                    const QWidget* pWidget) const override
    {
        const auto* pEdit = qobject_cast<const QLineEdit*>(pWidget);
        if (metric == PM_TextCursorWidth && pEdit && pEdit->hasSelectedText())
            return 0;
        return QProxyStyle::pixelMetric(metric, pOption, pWidget);
    }
};

} // namespace

CLetterEdit::CLetterEdit(QWidget* pParent) : QLineEdit(pParent)
{
    auto* pStyle = new CCaretStyle;
    pStyle->setParent(this);
    setStyle(pStyle);
    // Each cell keeps an edge of its own in every style, dark ones included, where a style's
    // own frame may vanish into the window; the focused cell shows it in the highlight.
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); background: "
                                 "palette(base); } QLineEdit:focus { border-color: "
                                 "palette(highlight); } QLineEdit:disabled { background: "
                                 "palette(window); }"));
    // Pasted or dropped text must not get round the one-letter rule either.
    setMaxLength(1);
    setValidator(new CCharFilter(IsAsciiLetter, true, this));
}

char CLetterEdit::GetLetter() const
{
    return text().isEmpty() ? '\0' : text().front().toLatin1();
}

void CLetterEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar ch = TypedChar(*pEvent);
    if (ch.isNull() && !OnArrowAtEdge(pEvent->key()))
        QLineEdit::keyPressEvent(pEvent);
    else if (IsAsciiLetter(ch))
        OnLetter(ch);
    else if (ch == u'\b')
        OnBackspace();
    else if (ch == u' ')
        OnSpace();
    else
        AppCore().PlaySoundRes(SND_REFUSED, true);
}

// Left at the start of a cell and Right at its end would do nothing; they step to the
// neighbouring cell instead.
bool CLetterEdit::OnArrowAtEdge(int nKey)
{
    if (hasSelectedText())
        return false;
    const int nId = DlgCtrlId(this);
    if (nKey == Qt::Key_Left && cursorPosition() == 0 && nId > IDC_FIRST_LETTER)
        FocusCell(nId - 1);
    else if (nKey == Qt::Key_Right && cursorPosition() == text().size() && nId < IDC_LAST_LETTER)
        FocusCell(nId + 1);
    else
        return false;
    return true;
}

void CLetterEdit::OnLetter(QChar ch)
{
    // setText, not insert: the replaced letter is not undoable.
    setText(QString(ch.toUpper()));
    AppCore().PlaySoundRes(SND_LETTER, true);
    const int nId = DlgCtrlId(this);
    FocusCell(nId < IDC_LAST_LETTER ? nId + 1 : IDC_FIRST_LETTER);
}

void CLetterEdit::OnBackspace()
{
    AppCore().PlaySoundRes(SND_CLEAR, true);
    backspace();
    const int nId = DlgCtrlId(this);
    if (nId > IDC_FIRST_LETTER)
        FocusCell(nId - 1);
}

void CLetterEdit::OnSpace()
{
    AppCore().PlaySoundRes(SND_CLEAR, true);
    setText(QString());
}

void CLetterEdit::FocusCell(int nId)
{
    if (QWidget* pCell = GetSiblingItem(this, nId))
        pCell->setFocus(Qt::OtherFocusReason);
}

void CLetterEdit::focusInEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusInEvent(pEvent);
    if (!text().isEmpty())
        selectAll();
}

// A click only focuses the cell: no caret placed between characters, no drag selection.
void CLetterEdit::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(pEvent);
        return;
    }
    AppCore().PlaySoundRes(SND_REFUSED, true);
    setFocus(Qt::MouseFocusReason);
}

void CLetterEdit::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!(pEvent->buttons() & Qt::LeftButton))
        QLineEdit::mouseMoveEvent(pEvent);
}
