#pragma once

#include "dialogs/BaseDlg.h"

class QListWidget;

// Browses the built-in word lists: the dictionaries by name, the flag, word count and words
// of the one selected. The flag button switches the words between upper and lower case.
class CDictionaryDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CDictionaryDlg(QWidget* pParent = nullptr);

    bool OnCommand(int nId) override;

    // The flag menu's command for the selected dictionary.
    int GetSelectedCommand() const;

    int m_nDict = -1; // -1 while no dictionary is selected
    bool m_bLower = false;
    QListWidget* m_listDict = nullptr;  // IDC_DICTIONARIES
    QListWidget* m_listWords = nullptr; // IDC_WORDS
    int m_nWords = 0;

protected:
    bool OnInitDialog() override;

private:
    void NameControls();
    void FillDictionaryList();
    void Refresh();
    void FillWordList();
};
