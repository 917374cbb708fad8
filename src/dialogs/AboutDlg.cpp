#include "dialogs/AboutDlg.h"

#include "appcore/AppCore.h"
#include "appcore/Version.h"
#include "controls/HyperLink.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QMouseEvent>

namespace
{

const QString MAKER_ADDRESS = QStringLiteral("https://torvane.example/kelvara");

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : CBaseDlg(IDD_ABOUT, pParent) {}

QWidget* CAboutDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    if (item.nId != IDC_LINK)
        return nullptr;
    return m_link = new CHyperLink(pParent);
}

bool CAboutDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_link->Attach();
    AppCore().PlaySoundRes(SND_ABOUT, true);
    const QString strNameVersion = QStringLiteral("%1 %2.%3")
                                       .arg(QLatin1String(PRODUCT_NAME))
                                       .arg(VERSION_MAJOR)
                                       .arg(VERSION_MINOR);
    SetItemText(IDC_NAME_VERSION, strNameVersion);
    // The box has no title; a screen reader names it by what it shows first.
    setAccessibleName(strNameVersion);
    m_link->SetTarget(MAKER_ADDRESS);
    m_link->SetTooltip(MAKER_ADDRESS);
    // Keys and clicks are caught before the box or any of its controls would handle them.
    installEventFilter(this);
    for (QWidget* pChild : findChildren<QWidget*>())
        pChild->installEventFilter(this);
    return true;
}

bool CAboutDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (!IsClosingInput(pWatched, pEvent))
        return CBaseDlg::eventFilter(pWatched, pEvent);
    done(IDOK);
    return true;
}

bool CAboutDlg::IsClosingInput(const QObject* pWatched, const QEvent* pEvent) const
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
        switch (static_cast<const QMouseEvent*>(pEvent)->button()) {
        case Qt::LeftButton:
            return pWatched != m_link;
        case Qt::RightButton:
        case Qt::MiddleButton:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}
