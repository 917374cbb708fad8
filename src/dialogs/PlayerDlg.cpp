#include "dialogs/PlayerDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "dialogs/MessageDlg.h"
#include "platform/DialogBuilder.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace
{

// Shows the name and keeps it as stored, the key to the player. Sorts like a list box:
// without regard to case.
class CPlayerEntry : public QListWidgetItem
{
public:
    explicit CPlayerEntry(const QString& strName) : QListWidgetItem(ShownName(strName))
    {
        setData(Qt::UserRole, strName);
    }
    static QString Name(const QListWidgetItem* pEntry)
    {
        return pEntry ? pEntry->data(Qt::UserRole).toString() : QString();
    }
    bool operator<(const QListWidgetItem& other) const override
    {
        return Name(this).compare(Name(&other), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

CPlayerDlg::CPlayerDlg(QWidget* pParent) : CNameEntryDlg(IDD_PLAYER, pParent) {}

bool CPlayerDlg::OnInitDialog()
{
    m_strName = CPlayerSettings::GetLastPlayer();
    CNameEntryDlg::OnInitDialog();
    KeepListAboveButtons();
    SetItemText(IDC_NEW, AppCore().LoadLangString(IDS_NEW));
    SetItemText(IDC_DELETE, AppCore().LoadLangString(IDS_DELETE));
    SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));

    QStringList arNames;
    m_bEntering = CPlayerSettings::ListPlayers(&arNames) < 1;
    if (!m_bEntering)
        FillList(arNames);
    UpdateControls();
    // The edit can take the focus only once it is shown and enabled.
    if (m_bEntering)
        FocusItem(IDC_NAME);

    if (QListWidget* pList = PlayerList()) {
        connect(pList, &QListWidget::itemSelectionChanged, this, &CPlayerDlg::OnSelChange);
        // A list box reports a click even on the entry already selected.
        connect(pList, &QListWidget::itemClicked, this, &CPlayerDlg::OnSelChange);
        connect(pList, &QListWidget::itemDoubleClicked, this, &CPlayerDlg::OnOK);
    }
    // Choosing: the focus goes to OK, the first control, so that Enter takes the
    // preselected player.
    return !m_bEntering;
}

// The preselection highlights the first entry that begins with the remembered name but
// leaves the name itself alone: OK returns it as it was stored.
void CPlayerDlg::FillList(const QStringList& arNames)
{
    QListWidget* pList = PlayerList();
    if (!pList)
        return;
    for (const QString& strName : arNames)
        pList->addItem(new CPlayerEntry(strName));
    for (int nRow = 0; nRow < pList->count(); ++nRow) {
        if (CPlayerEntry::Name(pList->item(nRow)).startsWith(m_strName, Qt::CaseInsensitive)) {
            SelectRow(nRow);
            return;
        }
    }
}

// The template lets the list reach down into the row of buttons; where the two overlap,
// the list would cover part of OK and take its clicks.
void CPlayerDlg::KeepListAboveButtons()
{
    const DlgTemplate* pTemplate = FindDialogTemplate(IDD_PLAYER);
    QWidget* pList = PlayerList();
    const QWidget* pOk = GetDlgItem(IDOK);
    if (!pTemplate || !pList || !pOk)
        return;
    const int nGap = DialogUnitsToPixels(*pTemplate, 0, 2).height();
    pList->resize(pList->width(), qMax(0, pOk->y() - nGap - pList->y()));
}

void CPlayerDlg::UpdateControls()
{
    const bool bHasName = !m_strName.isEmpty();
    const QString strPrompt =
        AppCore().LoadLangString(m_bEntering ? IDS_ENTER_NAME : IDS_SELECT_NAME);
    SetItemText(IDC_TEXT, strPrompt);
    // A list, unlike a field, is not named by the text above it.
    if (QWidget* pList = GetDlgItem(IDC_PLAYERS))
        pList->setAccessibleName(strPrompt);
    ShowItem(IDC_NAME, m_bEntering);
    EnableItem(IDC_NAME, m_bEntering);
    ShowItem(IDC_NEW, !m_bEntering);
    ShowItem(IDC_DELETE, !m_bEntering);
    EnableItem(IDC_DELETE, bHasName);
    // A stored name is taken as it is, even one the store would no longer accept.
    EnableItem(IDOK, m_bEntering ? CPlayerSettings::IsValidName(m_strName) : bHasName);
}

bool CPlayerDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_NEW:
        OnNew();
        return true;
    case IDC_DELETE:
        OnDelete();
        return true;
    default:
        return CNameEntryDlg::OnCommand(nId);
    }
}

void CPlayerDlg::OnNew()
{
    m_bEntering = true;
    UpdateControls();
    SetItemText(IDC_NAME, QString());
    FocusItem(IDC_NAME);
    SelectRow(-1);
}

void CPlayerDlg::OnSelChange()
{
    m_bEntering = false;
    m_strName = CPlayerEntry::Name(SelectedEntry());
    UpdateControls();
    // While choosing, the hidden edit shows the chosen name; m_strName keeps it as stored.
    SafeUpdateData(false);
}

int CPlayerDlg::ConfirmDelete()
{
    return ShowMessageDlg(
        FormatMessageText(AppCore().LoadLangString(IDS_DELETE_PLAYER), ShownName(m_strName)),
        CMessageDlg::MB_YES_NO | CMessageDlg::MB_DEFBUTTON2, 0);
}

// Deletes the player named by m_strName, and the selected entry, which is normally the
// same one; afterwards nothing is selected.
void CPlayerDlg::OnDelete()
{
    if (ConfirmDelete() != IDOK)
        return;
    QListWidget* pList = PlayerList();
    if (!pList)
        return;
    CPlayerSettings::DeletePlayer(m_strName);
    {
        const QSignalBlocker blocker(pList);
        delete SelectedEntry();
    }
    // Qt would move the selection to a neighbour; a list box keeps none.
    SelectRow(-1);
    OnSelChange();
}

QListWidget* CPlayerDlg::PlayerList() const
{
    return qobject_cast<QListWidget*>(GetDlgItem(IDC_PLAYERS));
}

QListWidgetItem* CPlayerDlg::SelectedEntry() const
{
    const QListWidget* pList = PlayerList();
    const QList<QListWidgetItem*> selected =
        pList ? pList->selectedItems() : QList<QListWidgetItem*>();
    return selected.isEmpty() ? nullptr : selected.first();
}

// Selecting from code sends no notification, as with a list box; -1 clears the selection.
void CPlayerDlg::SelectRow(int nRow)
{
    if (QListWidget* pList = PlayerList()) {
        const QSignalBlocker blocker(pList);
        pList->setCurrentRow(nRow);
    }
}
