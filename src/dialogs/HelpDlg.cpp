#include "HelpDlg.h"

#include "DialogTemplates.h"
#include "GameApp.h"
#include "SoundIds.h"

#include <QKeyEvent>

namespace
{

constexpr int IDD_HELP = 1207;
constexpr int IDC_TEXT = 3005;

} // namespace

CHelpDlg::CHelpDlg(QWidget* pParent) : CBaseDlg(IDD_HELP, pParent) {}

// The main window takes an open help window with it when it closes.
CHelpDlg::~CHelpDlg()
{
    if (theApp.m_pHelpDlg != this)
        return;
    theApp.m_pHelpDlg = nullptr;
    theApp.PlaySoundRes(SND_WINDOW_CLOSED, false);
}

bool CHelpDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    theApp.PlaySoundRes(SND_WINDOW_OPEN, true);
    LoadTexts();
    Reposition();
    return true;
}

void CHelpDlg::LoadTexts()
{
    SetCaption(theApp.LoadLangString(10004));
    SetItemText(IDC_TEXT, theApp.LoadLangString(10022) + QStringLiteral("\n\n") +
                              theApp.LoadLangString(10023) + QStringLiteral("\n\n") +
                              theApp.LoadLangString(10024));
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
    theApp.PlaySoundRes(SND_WINDOW_CLOSED, false);
    theApp.OnHelpClosed();
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
