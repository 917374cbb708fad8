#pragma once

#include "dialogs/BaseDlg.h"

class CHighScoreTable;
class QTreeWidget;

// Shows the high score table, best first, and lets the user remove all records.
class CHighScoresDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CHighScoresDlg(CHighScoreTable* pTable, QWidget* pParent = nullptr);

    bool OnCommand(int nId) override;

    QTreeWidget* m_list = nullptr;       // IDC_SCORES
    CHighScoreTable* m_pTable = nullptr; // not owned

protected:
    bool OnInitDialog() override;

private:
    void FillList();
    void AddColumns();
    void OnClearAll();
};
