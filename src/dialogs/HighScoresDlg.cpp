#include "HighScoresDlg.h"

#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "GameRound.h"
#include "HighScoreTable.h"
#include "MessageDlg.h"
#include "SoundIds.h"
#include "WordList.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <iterator>

namespace
{

constexpr int IDD_HIGHSCORES = 1211;
constexpr int IDC_SCORES = 3013;
constexpr int IDC_CLEAR_ALL = 3014;

struct Column {
    int nHeadingId; // 0 for no heading
    Qt::Alignment alignment;
    int nWidthDu; // 0: the column takes the width the others leave
};

// The fixed widths are 30, 45 and 60 pixels at the classic dialog font (6 pixels to 4 dialog
// units); as dialog units they keep their proportions to the name column at any font.
constexpr Column COLUMNS[] = {
    {0, Qt::AlignRight, 20},       {10029, Qt::AlignLeft, 0},     {10030, Qt::AlignRight, 30},
    {10031, Qt::AlignHCenter, 30}, {10032, Qt::AlignHCenter, 30}, {10033, Qt::AlignLeft, 40},
};
constexpr int COLUMN_COUNT = std::size(COLUMNS);

QStringList RowTexts(int nPlace, const CHighScore& record)
{
    return {QString::number(nPlace),
            record.m_strName,
            FormatTime(record.m_nSeconds),
            QString::number(record.m_nGuesses),
            GetDictionaryName(record.m_nDict, true),
            record.m_strWord};
}

} // namespace

CHighScoresDlg::CHighScoresDlg(CHighScoreTable* pTable, QWidget* pParent)
    : CBaseDlg(IDD_HIGHSCORES, pParent), m_pTable(pTable)
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

bool CHighScoresDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_list = qobject_cast<QTreeWidget*>(GetDlgItem(IDC_SCORES));
    SetCaption(theApp.LoadLangString(10026));
    SetItemText(IDOK, theApp.LoadLangString(10006));
    SetItemText(IDC_CLEAR_ALL, theApp.LoadLangString(10027));
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
    const DlgTemplate* pTemplate = FindDialogTemplate(IDD_HIGHSCORES);
    QTreeWidgetItem* pHeadings = m_list->headerItem();
    for (int nColumn = 0; nColumn < COLUMN_COUNT; ++nColumn) {
        const Column& column = COLUMNS[nColumn];
        pHeadings->setText(nColumn, column.nHeadingId ? theApp.LoadLangString(column.nHeadingId)
                                                      : QString());
        pHeadings->setTextAlignment(nColumn, column.alignment | Qt::AlignVCenter);
        if (column.nWidthDu == 0) {
            pHeader->setSectionResizeMode(nColumn, QHeaderView::Stretch);
            continue;
        }
        pHeader->setSectionResizeMode(nColumn, QHeaderView::Fixed);
        pHeader->resizeSection(nColumn,
                               DialogUnitsToPixels(*pTemplate, column.nWidthDu, 0).width());
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
    if (ShowMessageDlg(theApp.LoadLangString(10028), CMessageDlg::MB_YES_NO, SND_QUESTION) != IDOK)
        return;
    if (m_pTable)
        m_pTable->ClearAll();
    if (m_list)
        m_list->clear();
    EnableItem(IDC_CLEAR_ALL, false);
    FocusItem(IDOK);
}
