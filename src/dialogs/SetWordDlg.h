#pragma once

#include "dialogs/BaseDlg.h"

class CWordEdit;

// Asks for the secret word of the next game; OK is offered only for exactly four letters.
class CSetWordDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CSetWordDlg(QWidget* pParent = nullptr);

    QString m_strWord;
    CWordEdit* m_editWord = nullptr; // IDC_WORD

protected:
    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    bool OnInitDialog() override;
    void UpdateData(bool bSave) override;

private:
    void OnWordChange();
};
