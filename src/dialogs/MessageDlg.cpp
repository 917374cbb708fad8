#include "MessageDlg.h"

#include "DialogTemplates.h"
#include "GameApp.h"

#include <QLabel>

namespace
{
constexpr int IDD_MESSAGE = 1210;
constexpr int IDC_TEXT = 3005;
} // namespace

CMessageDlg::CMessageDlg(const QString& strText, int nButtons, int nSound, QWidget* pParent)
    : CBaseDlg(IDD_MESSAGE, pParent), m_strText(strText), m_nButtons(nButtons), m_nSound(nSound)
{
}

void CMessageDlg::UpdateData(bool bSave)
{
    if (!bSave)
        SetItemText(IDC_TEXT, m_strText);
}

bool CMessageDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    switch (m_nButtons) {
    case MB_OK_ONLY:
        SetItemText(IDOK, theApp.LoadLangString(10006));
        HideItem(IDCANCEL);
        break;
    case MB_OK_CANCEL:
        SetItemText(IDOK, theApp.LoadLangString(10006));
        SetItemText(IDCANCEL, theApp.LoadLangString(10007));
        break;
    case MB_YES_NO:
        SetItemText(IDOK, theApp.LoadLangString(10008));
        SetItemText(IDCANCEL, theApp.LoadLangString(10009));
        break;
    default:
        break;
    }
    if (m_nSound > 0)
        theApp.PlaySoundRes(m_nSound, true);
    return false;
}
