#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QHash>
#include <map>

struct DlgItem;

// The base of every dialog: built from a dialog template, with small operations on its
// controls by id (each does nothing for an id the dialog lacks) and one integer command
// dispatch that its buttons and menus feed.
class CBaseDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CBaseDlg(int nTemplateId, QWidget* pParent = nullptr);

    // Runs the dialog modally; IDOK, IDCANCEL or what the dialog ended with.
    int DoModal();
    // Creates the dialog as a hidden modeless child window (guess rows).
    bool Create();

    QWidget* GetDlgItem(int nId) const;

    void ShowItem(int nId, bool bShow);
    void HideItem(int nId);
    void EnableItem(int nId, bool bEnable);
    void SetItemText(int nId, const QString& strText);
    void SetItemChar(int nId, QChar ch);
    void SetButtonIcon(int nId, int nIconId);
    void SetStaticIcon(int nId, int nIconId);
    void FocusItem(int nId);

    // Window timers keyed by the program's own ids; setting a running one restarts it.
    void SetTimer(int nId, int nIntervalMs);
    void KillTimer(int nId);

    void SafeUpdateData(bool bSave);
    void SetCaption(const QString& strCaption);
    int ShowMessageDlg(const QString& strText, int nButtons, int nSound);

    // Ends the dialog, then plays its closing sound, if it has one, to its end: the caller
    // gets control back only after the clip.
    void done(int nResult) override;

    // The command dispatch: button clicks, menu choices, Enter and Escape end here.
    // Returns true when the command was handled.
    virtual bool OnCommand(int nId);

protected:
    // A control of a class of the dialog's own for a template item; nullptr for the standard one.
    virtual QWidget* CreateControl(const DlgItem& item, QWidget* pParent);
    // After the controls exist, before the dialog shows. True lets the first control
    // in tab order take the focus; false means the dialog placed it.
    virtual bool OnInitDialog();
    // Moves data between the controls and the dialog's fields.
    virtual void UpdateData(bool bSave);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(int nId);

    void timerEvent(QTimerEvent* pEvent) override;

    int m_nClosingSound = 0; // none
    void reject() override;
    void accept() override;

private:
    void EnsureCreated();
    void FitTitle();

    int m_nTemplateId;
    QHash<int, QWidget*> m_items;
    std::map<int, QBasicTimer> m_timers;
    bool m_bCreated = false;
};
