#include "dialogs/HighScoreNoticeDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "platform/Accessibility.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QMouseEvent>

namespace
{

constexpr int CLOSE_AFTER_MS = 1500;

bool IsClosingInput(const QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const Qt::MouseButton button = static_cast<const QMouseEvent*>(pEvent)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

} // namespace

CHighScoreNoticeDlg::CHighScoreNoticeDlg(std::uint16_t nPlace, QWidget* pParent)
    : CBaseDlg(IDD_HIGH_SCORE_NOTICE, pParent), m_nPlace(nPlace)
{
    SetAccessibleRole(this, QAccessible::AlertMessage);
}

bool CHighScoreNoticeDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    const QString strText =
        m_nPlace == 1 ? AppCore().LoadLangString(IDS_HIGHEST_SCORE)
                      : FormatMessageText(AppCore().LoadLangString(IDS_HIGH_SCORE_PLACE), m_nPlace);
    SetItemText(IDC_TEXT, strText);
    // The note has no title; it is heard by its text, before it closes by itself.
    setAccessibleName(strText);
    // Keys and clicks are caught before the note or its text would handle them.
    installEventFilter(this);
    if (QWidget* pText = GetDlgItem(IDC_TEXT))
        pText->installEventFilter(this);
    SetTimer(m_nTimerId, CLOSE_AFTER_MS);
    return true;
}

void CHighScoreNoticeDlg::OnTimer(int)
{
    Close();
}

// Escape and a close request from the window system end the note like anything else.
void CHighScoreNoticeDlg::OnCancel()
{
    Close();
}

bool CHighScoreNoticeDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (!IsClosingInput(pEvent))
        return CBaseDlg::eventFilter(pWatched, pEvent);
    Close();
    return true;
}

void CHighScoreNoticeDlg::Close()
{
    KillTimer(m_nTimerId);
    done(IDOK);
}
