#include "window/GuessRow.h"

#include "appcore/AppCore.h"
#include "platform/Accessibility.h"
#include "res/Resource.h"

#include <QFontMetrics>

namespace
{

// Row numbers of three and four digits are wider than their cell: a smaller font keeps them
// whole rather than clipped on both sides.
void ShrinkToFit(QWidget* pCell)
{
    if (!pCell)
        return;
    const QString strText = pCell->property("text").toString();
    QFont font = pCell->font();
    while (font.pointSizeF() > 1 &&
           QFontMetrics(font).horizontalAdvance(strText) > pCell->contentsRect().width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    pCell->setFont(font);
}

} // namespace

CGuessRow::CGuessRow(int nNumber, const QString& strWord, std::int16_t nBlack,
                     std::int16_t nWhite, QWidget* pParent)
    : CBaseDlg(IDD_GUESS_ROW, pParent), m_nNumber(nNumber), m_strWord(strWord), m_nBlack(nBlack),
      m_nWhite(nWhite)
{
    SetAccessibleRole(this, QAccessible::ListItem);
    Create();
    SetItemText(IDC_ROW_NUMBER, QString::number(nNumber));
    ShrinkToFit(GetDlgItem(IDC_ROW_NUMBER));
    for (int i = 0; i < strWord.size(); ++i)
        SetItemChar(IDC_FIRST_LETTER + i, strWord[i]);
    SetStaticIcon(IDC_ROW_PINS, IDI_FIRST_PIN + 10 * nBlack + nWhite);
    UpdateSpokenText();
    connect(&AppCore(), &CAppCore::ProgLangChanged, this, &CGuessRow::UpdateSpokenText);
}

QString CGuessRow::GetSpokenText() const
{
    return AppCore().LoadLangString(IDS_A11Y_GUESS_ROW).arg(m_nNumber).arg(m_strWord, GetPinsText());
}

QString CGuessRow::GetPinsText() const
{
    return AppCore().LoadLangString(IDS_A11Y_PINS).arg(m_nBlack).arg(m_nWhite);
}

void CGuessRow::UpdateSpokenText()
{
    setAccessibleName(GetSpokenText());
    if (QWidget* pPins = GetDlgItem(IDC_ROW_PINS))
        pPins->setAccessibleDescription(GetPinsText());
}
