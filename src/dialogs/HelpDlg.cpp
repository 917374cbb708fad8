#include "dialogs/HelpDlg.h"

#include "appcore/AppCore.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QKeyEvent>

CHelpDlg::CHelpDlg(QWidget* pParent) : CBaseDlg(IDD_HELP, pParent)
{
    connect(&AppCore(), &CAppCore::ProgLangChanged, this, &CHelpDlg::LoadTexts);
}

// The main window takes an open help window with it when it closes.
CHelpDlg::~CHelpDlg()
{
    if (!m_bClosed)
        AppCore().PlaySoundRes(SND_WINDOW_CLOSED, false);
}

bool CHelpDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    AppCore().PlaySoundRes(SND_WINDOW_OPEN, true);
    LoadTexts();
    Reposition();
    return true;
}

void CHelpDlg::LoadTexts()
{
    SetCaption(AppCore().LoadLangString(IDS_HELP));
    SetItemText(IDC_TEXT, AppCore().LoadLangString(IDS_HELP_RULES) + QStringLiteral("\n\n") +
                              AppCore().LoadLangString(IDS_HELP_END) + QStringLiteral("\n\n") +
                              AppCore().LoadLangString(IDS_HELP_TIP));
}

void CHelpDlg::Reposition()
{
    if (const QWidget* pParent = parentWidget()) {
        const QRect frame = pParent->frameGeometry();
        move(frame.x() + frame.width(), frame.y());
    }
    show();
    activateWindow();
    setFocus();
}

void CHelpDlg::DestroyWindow()
{
    hide();
    m_bClosed = true;
    AppCore().PlaySoundRes(SND_WINDOW_CLOSED, false);
    // Called from inside the window's own handlers, so it goes once they have returned.
    deleteLater();
}

void CHelpDlg::OnOK()
{
    DestroyWindow();
}

void CHelpDlg::OnCancel()
{
    DestroyWindow();
}

// The window has no buttons, yet Enter closes it as in any dialog.
void CHelpDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
        OnCommand(IDOK);
    else
        CBaseDlg::keyPressEvent(pEvent);
}
