#include "dialogs/HighScoresDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "dialogs/MessageDlg.h"
#include "game/GameRound.h"
#include "game/WordList.h"
#include "platform/DialogBuilder.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <iterator>

namespace
{

struct Column {
    int nHeadingId; // 0 for no heading; a screen reader still hears IDS_A11Y_PLACE
    Qt::Alignment alignment;
    int nWidthDu; // 0: the column takes the width the others leave
};

// The fixed widths are 30, 45 and 60 pixels at the classic dialog font (6 pixels to 4 dialog
// units); as dialog units they keep their proportions to the name column at any font.
constexpr Column COLUMNS[] = {
    {0, Qt::AlignRight, 20},
    {IDS_COLUMN_NAME, Qt::AlignLeft, 0},
    {IDS_COLUMN_TIME, Qt::AlignRight, 30},
    {IDS_COLUMN_LEVEL, Qt::AlignHCenter, 30},
    {IDS_COLUMN_LANG, Qt::AlignHCenter, 30},
    {IDS_COLUMN_WORD, Qt::AlignLeft, 40},
};
constexpr int COLUMN_COUNT = std::size(COLUMNS);

QStringList RowTexts(int nPlace, const CHighScore& record)
{
    return {QString::number(nPlace),
            ShownName(record.m_strName),
            FormatTime(record.m_nSeconds),
            QString::number(record.m_nGuesses),
            GetDictionaryName(record.m_nDict, true),
            record.m_strWord};
}

} // namespace

CHighScoresDlg::CHighScoresDlg(CHighScoreTable* pTable, QWidget* pParent)
    : CBaseDlg(IDD_HIGH_SCORES, pParent), m_pTable(pTable)
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

bool CHighScoresDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_list = qobject_cast<QTreeWidget*>(GetDlgItem(IDC_SCORES));
    SetCaption(AppCore().LoadLangString(IDS_HIGH_SCORES));
    if (m_list)
        m_list->setAccessibleName(windowTitle());
    SetItemText(IDOK, AppCore().LoadLangString(IDS_OK));
    SetItemText(IDC_CLEAR_ALL, AppCore().LoadLangString(IDS_CLEAR_ALL));
    FillList();
    return true;
}

void CHighScoresDlg::FillList()
{
    const int nCount = m_pTable ? m_pTable->GetCount() : 0;
    if (m_list) {
        AddColumns();
        for (int nIndex = 0; nIndex < nCount; ++nIndex) {
            const CHighScore* pRecord = m_pTable->GetAt(nIndex);
            if (!pRecord)
                continue;
            auto* pRow = new QTreeWidgetItem(m_list, RowTexts(nIndex + 1, *pRecord));
            for (int nColumn = 0; nColumn < COLUMN_COUNT; ++nColumn)
                pRow->setTextAlignment(nColumn, COLUMNS[nColumn].alignment | Qt::AlignVCenter);
        }
    }
    if (nCount == 0)
        EnableItem(IDC_CLEAR_ALL, false);
}

void CHighScoresDlg::AddColumns()
{
    // The list only shows the table. Rather than greying it out as a disabled control, it
    // stays enabled, so that it reads normally, and takes no focus, selection or clicks.
    m_list->setEnabled(true);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_list->setColumnCount(COLUMN_COUNT);
    QHeaderView* pHeader = m_list->header();
    pHeader->setStretchLastSection(false);
    const DlgTemplate* pTemplate = FindDialogTemplate(IDD_HIGH_SCORES);
    QTreeWidgetItem* pHeadings = m_list->headerItem();
    for (int nColumn = 0; nColumn < COLUMN_COUNT; ++nColumn) {
        const Column& column = COLUMNS[nColumn];
        pHeadings->setText(nColumn, column.nHeadingId ? AppCore().LoadLangString(column.nHeadingId)
                                                      : QString());
        if (!column.nHeadingId)
            pHeadings->setData(nColumn, Qt::AccessibleTextRole,
                               AppCore().LoadLangString(IDS_A11Y_PLACE));
        pHeadings->setTextAlignment(nColumn, column.alignment | Qt::AlignVCenter);
        SizeListColumn(pHeader, *pTemplate, nColumn, column.nWidthDu);
    }
}

bool CHighScoresDlg::OnCommand(int nId)
{
    if (nId != IDC_CLEAR_ALL)
        return CBaseDlg::OnCommand(nId);
    OnClearAll();
    return true;
}

void CHighScoresDlg::OnClearAll()
{
    if (ShowMessageDlg(AppCore().LoadLangString(IDS_SURE_TO_CLEAR),
                       CMessageDlg::MB_YES_NO | CMessageDlg::MB_DEFBUTTON2, SND_QUESTION) != IDOK)
        return;
    if (m_pTable)
        m_pTable->ClearAll();
    if (m_list)
        m_list->clear();
    EnableItem(IDC_CLEAR_ALL, false);
    FocusItem(IDOK);
}
