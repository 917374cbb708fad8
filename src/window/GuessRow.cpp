#include "window/GuessRow.h"

#include "appcore/AppCore.h"
#include "platform/Accessibility.h"
#include "platform/DialogBuilder.h"
#include "res/Resource.h"

CGuessRow::CGuessRow(int nNumber, const QString& strWord, std::int16_t nBlack,
                     std::int16_t nWhite, QWidget* pParent)
    : CBaseDlg(IDD_GUESS_ROW, pParent), m_nNumber(nNumber), m_strWord(strWord), m_nBlack(nBlack),
      m_nWhite(nWhite)
{
    SetAccessibleRole(this, QAccessible::ListItem);
    Create();
    SetItemText(IDC_ROW_NUMBER, QString::number(nNumber));
    // Row numbers of three and four digits are wider than their cell.
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
