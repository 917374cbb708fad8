#include "dialogs/HelpDlg.h"

#include "appcore/AppCore.h"
#include "platform/WindowPlacement.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QKeyEvent>
#include <QScreen>
#include <QStringList>

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
    QStringList arParagraphs;
    for (const int nId : {IDS_HELP_RULES, IDS_HELP_END, IDS_HELP_TIP})
        arParagraphs << AppCore().LoadLangString(nId);
    arParagraphs << AppCore().LoadLangString(IDS_HELP_KEYS) + QLatin1Char(' ') +
                        AppCore().LoadLangString(IDS_HELP_REVIEW);
    SetItemText(IDC_TEXT, arParagraphs.join(QStringLiteral("\n\n")));
}

void CHelpDlg::Reposition()
{
    // Where the window system places windows itself, help is placed as a window of its own,
    // not as the main window's, which would be centred over the letter cells.
    if (!CanPlaceOwnWindows())
        LeavePlacementToWindowSystem(this);
    else if (QWidget* pParent = parentWidget())
        move(PlaceBeside(pParent));
    show();
    activateWindow();
    setFocus();
}

// Beside the main window: at its right, or at its left where only that side has room. Where
// neither has, but the screen holds both side by side, the main window moves aside as little
// as it must; on a screen too small for both, help stays on the screen at the roomier side.
QPoint CHelpDlg::PlaceBeside(QWidget* pMainWnd) const
{
    const QRect main = pMainWnd->frameGeometry();
    // Before it first shows, the window has no frame yet; the main window's tells its size.
    const int nOwnWidth = width() + main.width() - pMainWnd->width();
    const QScreen* pScreen = pMainWnd->screen();
    if (!pScreen)
        return {main.right() + 1, main.top()};
    const QRect avail = pScreen->availableGeometry();
    const int nRoomRight = avail.right() - main.right();
    const int nRoomLeft = main.left() - avail.left();
    if (nRoomRight >= nOwnWidth)
        return {main.right() + 1, main.top()};
    if (nRoomLeft >= nOwnWidth)
        return {main.left() - nOwnWidth, main.top()};
    if (avail.width() >= main.width() + nOwnWidth) {
        pMainWnd->move(pMainWnd->pos() - QPoint(nOwnWidth - nRoomRight, 0));
        return {avail.right() + 1 - nOwnWidth, main.top()};
    }
    if (nRoomRight >= nRoomLeft)
        return {avail.right() + 1 - nOwnWidth, main.top()};
    return {avail.left(), main.top()};
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
