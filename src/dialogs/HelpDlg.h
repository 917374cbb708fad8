#pragma once

#include "dialogs/BaseDlg.h"

// The rules of the game and a tip, in a window of its own beside the main window. It stays
// open while the game goes on, follows the program language, and deletes itself once closed.
class CHelpDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* pParent);
    ~CHelpDlg() override;

    // Puts the window beside its parent, at the right where there is room, and focuses it.
    void Reposition();
    void LoadTexts();
    // Closes the window for good: plays the closing sound to its end, then deletes it.
    void DestroyWindow();
    // True from DestroyWindow until the window is gone.
    bool IsClosing() const { return m_bClosed; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    QPoint PlaceBeside(QWidget* pMainWnd) const;

    bool m_bClosed = false;
};
