#include "dialogs/NameDlg.h"

#include "appcore/AppCore.h"
#include "controls/NameEdit.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"

CNameEntryDlg::CNameEntryDlg(int nTemplateId, QWidget* pParent) : CBaseDlg(nTemplateId, pParent) {}

QWidget* CNameEntryDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    if (item.nId != IDC_NAME)
        return nullptr;
    m_editName = new CNameEdit(pParent);
    connect(m_editName, &QLineEdit::textChanged, this, &CNameEntryDlg::OnChangeName);
    return m_editName;
}

void CNameEntryDlg::UpdateData(bool bSave)
{
    if (!m_editName)
        return;
    // A typed name is kept without the spaces at its ends. A stored one stays as it is: the
    // field would drop what the name rule refuses, and with it the player meant.
    if (!bSave)
        m_editName->setText(m_strName);
    else if (IsEnteringName())
        m_strName = CPlayerSettings::TrimmedName(m_editName->text());
}

void CNameEntryDlg::OnChangeName()
{
    SafeUpdateData(true);
    EnableItem(IDOK, CPlayerSettings::IsValidName(m_strName));
}

CNameDlg::CNameDlg(QWidget* pParent) : CNameEntryDlg(IDD_NAME, pParent) {}

bool CNameDlg::OnInitDialog()
{
    m_strName = CPlayerSettings::GetLastPlayer();
    CNameEntryDlg::OnInitDialog();
    SetItemText(IDC_TEXT, AppCore().LoadLangString(IDS_ENTER_NAME));
    SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));
    FocusItem(IDC_NAME);
    OnChangeName();
    return false;
}

void CNameDlg::OnCancel() {}
