#pragma once

#include "dialogs/NameDlg.h"

class QListWidget;
class QListWidgetItem;

// Lets the user pick a stored player, enter a new one or delete one. Two states:
// choosing from the list, and entering a new name in the edit where New and Delete sit.
class CPlayerDlg : public CNameEntryDlg
{
    Q_OBJECT
public:
    explicit CPlayerDlg(QWidget* pParent = nullptr);

    bool OnCommand(int nId) override;

    bool m_bEntering = false;

protected:
    bool OnInitDialog() override;
    bool IsEnteringName() const override { return m_bEntering; }

private:
    void KeepListAboveButtons();
    void FillList(const QStringList& arNames);
    void UpdateControls();
    int ConfirmDelete();
    void OnNew();
    void OnDelete();
    void OnSelChange();

    QListWidget* PlayerList() const;
    QListWidgetItem* SelectedEntry() const;
    void SelectRow(int nRow);
};
