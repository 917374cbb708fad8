#include "dialogs/LanguageDlg.h"

#include "game/WordList.h"
#include "res/Resource.h"

CLanguageDlg::CLanguageDlg(QWidget* pParent) : CBaseDlg(IDD_LANGUAGE, pParent) {}

bool CLanguageDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    SetButtonIcon(IDC_ENGLISH, DictionaryResourceId(0));
    SetButtonIcon(IDC_DUTCH, DictionaryResourceId(1));
    // No language is chosen yet: each flag is named in its own language.
    GetDlgItem(IDC_ENGLISH)->setAccessibleName(GetDictionaryName(0, false));
    GetDlgItem(IDC_DUTCH)->setAccessibleName(GetDictionaryName(1, false));
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
