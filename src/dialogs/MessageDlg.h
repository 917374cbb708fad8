#pragma once

#include "dialogs/BaseDlg.h"

// The program's own message box: the text, one of three button sets and a sound.
class CMessageDlg : public CBaseDlg
{
    Q_OBJECT
public:
    enum ButtonSet { MB_OK_ONLY = 0, MB_OK_CANCEL = 1, MB_YES_NO = 2, MB_BUTTON_SET = 0xF };
    // Added to a button set: the second button (No, Cancel) is the default, for a question
    // whose Yes loses data, so that one stray Enter keeps it.
    static constexpr int MB_DEFBUTTON2 = 0x100;

    CMessageDlg(const QString& strText, int nButtons, int nSound, QWidget* pParent = nullptr);

    QString m_strText;
    int m_nButtons;
    int m_nSound; // played when the box opens; 0 for none

protected:
    bool OnInitDialog() override;
    void UpdateData(bool bSave) override;
};
