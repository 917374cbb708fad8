#include "dialogs/SetWordDlg.h"

#include "appcore/AppCore.h"
#include "controls/WordEdit.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

namespace
{

constexpr int WORD_LENGTH = 4;

} // namespace

CSetWordDlg::CSetWordDlg(QWidget* pParent) : CBaseDlg(IDD_SET_WORD, pParent) {}

QWidget* CSetWordDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    if (item.nId != IDC_WORD)
        return nullptr;
    m_editWord = new CWordEdit(pParent);
    connect(m_editWord, &CWordEdit::textChanged, this, &CSetWordDlg::OnWordChange);
    return m_editWord;
}

bool CSetWordDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    SetItemText(IDC_TEXT, AppCore().LoadLangString(IDS_ENTER_WORD));
    SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));
    FocusItem(IDC_WORD);
    OnWordChange();
    return false;
}

void CSetWordDlg::UpdateData(bool bSave)
{
    if (!m_editWord)
        return;
    if (bSave)
        m_strWord = m_editWord->text();
    else
        m_editWord->setText(m_strWord);
}

void CSetWordDlg::OnWordChange()
{
    SafeUpdateData(true);
    EnableItem(IDOK, m_strWord.size() == WORD_LENGTH);
}
