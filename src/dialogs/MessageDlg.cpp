#include "dialogs/MessageDlg.h"

#include "appcore/AppCore.h"
#include "platform/Accessibility.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QLabel>
#include <QPushButton>

CMessageDlg::CMessageDlg(const QString& strText, int nButtons, int nSound, QWidget* pParent)
    : CBaseDlg(IDD_MESSAGE, pParent), m_strText(strText), m_nButtons(nButtons), m_nSound(nSound)
{
    // A screen reader reads an alert out whole the moment it appears.
    SetAccessibleRole(this, QAccessible::AlertMessage);
}

void CMessageDlg::UpdateData(bool bSave)
{
    if (!bSave)
        SetItemText(IDC_TEXT, m_strText);
}

bool CMessageDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    switch (m_nButtons & MB_BUTTON_SET) {
    case MB_OK_ONLY:
        SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));
        HideItem(IDCANCEL);
        break;
    case MB_OK_CANCEL:
        SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));
        SetItemText(IDCANCEL, AppCore().LoadLangString(IDS_CANCEL));
        break;
    case MB_YES_NO:
        SetItemText(IDOK, AppCore().LoadLangString(IDS_YES));
        SetItemText(IDCANCEL, AppCore().LoadLangString(IDS_NO));
        break;
    default:
        break;
    }
    // A dialog has one default button: No becoming it, Yes stops being it.
    if (m_nButtons & MB_DEFBUTTON2) {
        if (auto* pNo = qobject_cast<QPushButton*>(GetDlgItem(IDCANCEL)))
            pNo->setDefault(true);
        FocusItem(IDCANCEL);
    }
    if (m_nSound > 0)
        AppCore().PlaySoundRes(m_nSound, true);
    return false;
}
