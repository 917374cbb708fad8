#include "dialogs/BaseDlg.h"

#include "appcore/AppCore.h"
#include "dialogs/MessageDlg.h"
#include "platform/DialogBuilder.h"
#include "platform/Icons.h"
#include "platform/WindowPlacement.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimerEvent>

CBaseDlg::CBaseDlg(int nTemplateId, QWidget* pParent) : QDialog(pParent), m_nTemplateId(nTemplateId)
{
}

int CBaseDlg::DoModal()
{
    EnsureCreated();
    return exec();
}

bool CBaseDlg::Create()
{
    EnsureCreated();
    return !m_items.isEmpty();
}

void CBaseDlg::EnsureCreated()
{
    if (m_bCreated)
        return;
    const DlgTemplate* pTemplate = FindDialogTemplate(m_nTemplateId);
    if (!pTemplate)
        return;
    m_items = BuildDialog(*pTemplate, this, [this](const DlgItem& item, QWidget* pParent) {
        return CreateControl(item, pParent);
    });
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        if (auto* pButton = qobject_cast<QAbstractButton*>(it.value())) {
            const int nId = it.key();
            connect(pButton, &QAbstractButton::clicked, this, [this, nId] { OnCommand(nId); });
        }
    }
    m_bCreated = true;
    // Returning true leaves the focus to Qt, which gives it to the first control in tab
    // order when the dialog shows.
    OnInitDialog();
    FitTitle();
}

// The main window lays out its rows itself, and is wide enough for its name.
void CBaseDlg::FitTitle()
{
    if (windowType() == Qt::Dialog && (windowFlags() & Qt::WindowTitleHint))
        FitWidthToTitle(this);
}

QWidget* CBaseDlg::GetDlgItem(int nId) const
{
    return m_items.value(nId, nullptr);
}

void CBaseDlg::ShowItem(int nId, bool bShow)
{
    if (QWidget* pItem = GetDlgItem(nId))
        pItem->setVisible(bShow);
}

void CBaseDlg::HideItem(int nId)
{
    ShowItem(nId, false);
}

void CBaseDlg::EnableItem(int nId, bool bEnable)
{
    if (QWidget* pItem = GetDlgItem(nId))
        pItem->setEnabled(bEnable);
}

void CBaseDlg::SetItemText(int nId, const QString& strText)
{
    // Labels, buttons and edits all carry their text in the "text" property.
    if (QWidget* pItem = GetDlgItem(nId))
        pItem->setProperty("text", strText);
}

void CBaseDlg::SetItemChar(int nId, QChar ch)
{
    SetItemText(nId, QString(ch));
}

void CBaseDlg::SetButtonIcon(int nId, int nIconId)
{
    auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId));
    const QIcon icon = LoadIconRes(nIconId);
    if (!pButton || icon.isNull())
        return;
    pButton->setIcon(icon);
    const int nSide = qMax(8, qMin(pButton->width(), pButton->height()) - 6);
    pButton->setIconSize(QSize(nSide, nSide));
}

void CBaseDlg::SetStaticIcon(int nId, int nIconId)
{
    SetLabelIcon(qobject_cast<QLabel*>(GetDlgItem(nId)), nIconId);
}

void CBaseDlg::FocusItem(int nId)
{
    QWidget* pItem = GetDlgItem(nId);
    if (!pItem)
        return;
    pItem->setFocus();
    if (auto* pEdit = qobject_cast<QLineEdit*>(pItem))
        pEdit->selectAll();
}

void CBaseDlg::SetTimer(int nId, int nIntervalMs)
{
    m_timers[nId].start(nIntervalMs, this);
}

void CBaseDlg::KillTimer(int nId)
{
    m_timers.erase(nId);
}

void CBaseDlg::timerEvent(QTimerEvent* pEvent)
{
    for (const auto& [nId, timer] : m_timers) {
        if (timer.timerId() == pEvent->timerId()) {
            OnTimer(nId);
            return;
        }
    }
    QDialog::timerEvent(pEvent);
}

void CBaseDlg::OnTimer(int) {}

void CBaseDlg::SafeUpdateData(bool bSave)
{
    if (m_bCreated)
        UpdateData(bSave);
}

void CBaseDlg::SetCaption(const QString& strCaption)
{
    setWindowTitle(strCaption);
    FitTitle();
}

int CBaseDlg::ShowMessageDlg(const QString& strText, int nButtons, int nSound)
{
    CMessageDlg dlg(strText, nButtons, nSound, this);
    return dlg.DoModal();
}

bool CBaseDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

QWidget* CBaseDlg::CreateControl(const DlgItem&, QWidget*)
{
    return nullptr;
}

bool CBaseDlg::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CBaseDlg::UpdateData(bool) {}

void CBaseDlg::OnOK()
{
    UpdateData(true);
    done(IDOK);
}

void CBaseDlg::OnCancel()
{
    done(IDCANCEL);
}

void CBaseDlg::done(int nResult)
{
    QDialog::done(nResult);
    if (m_nClosingSound)
        AppCore().PlaySoundRes(m_nClosingSound, false);
}

// Escape and the close box arrive here; Enter arrives through the default button.
void CBaseDlg::reject()
{
    OnCommand(IDCANCEL);
}

void CBaseDlg::accept()
{
    OnCommand(IDOK);
}
