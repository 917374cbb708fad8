#include "LanguageDlg.h"

namespace
{
constexpr int IDD_LANGUAGE = 1208;
constexpr int IDC_ENGLISH = 201;
constexpr int IDC_DUTCH = 202;
} // namespace

CLanguageDlg::CLanguageDlg(QWidget* pParent) : CBaseDlg(IDD_LANGUAGE, pParent) {}

bool CLanguageDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    SetButtonIcon(IDC_ENGLISH, IDC_ENGLISH);
    SetButtonIcon(IDC_DUTCH, IDC_DUTCH);
    return true;
}

bool CLanguageDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_ENGLISH:
        done(0);
        return true;
    case IDC_DUTCH:
        done(1);
        return true;
    default:
        return CBaseDlg::OnCommand(nId);
    }
}

void CLanguageDlg::OnCancel() {}
