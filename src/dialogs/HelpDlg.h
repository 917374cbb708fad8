#pragma once

#include "BaseDlg.h"

// The rules of the game and a tip, in a window of its own beside the main window. It stays
// open while the game goes on; closing it destroys it.
class CHelpDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* pParent);
    ~CHelpDlg() override;

    // Puts the window's top-left corner at its parent's top-right corner and focuses it.
    void Reposition();
    void LoadTexts();
    // Closes the window for good: plays the closing sound to its end, then lets the
    // application forget it.
    void DestroyWindow();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void keyPressEvent(QKeyEvent* pEvent) override;
};
