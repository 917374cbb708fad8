#pragma once

#include "dialogs/BaseDlg.h"

class CNameEdit;

// What the name dialog and the player chooser share: the name edit IDC_NAME, exchanged with
// m_strName, and an OK button that stays disabled while the typed name is one the store
// would refuse.
class CNameEntryDlg : public CBaseDlg
{
    Q_OBJECT
public:
    QString m_strName;

protected:
    CNameEntryDlg(int nTemplateId, QWidget* pParent);

    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    void UpdateData(bool bSave) override;
    void OnChangeName();
    // True while the edit holds a name the user types, rather than a stored one.
    virtual bool IsEnteringName() const { return true; }

    CNameEdit* m_editName = nullptr; // owned by the dialog's widget tree
};

// Asks for the player's name while no player is stored. It cannot be cancelled: it ends
// only through OK, with a name.
class CNameDlg : public CNameEntryDlg
{
    Q_OBJECT
public:
    explicit CNameDlg(QWidget* pParent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
};
