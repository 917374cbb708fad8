#include "dialogs/ReviewDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "dialogs/WordsLeftChart.h"
#include "game/Coach.h"
#include "platform/DialogBuilder.h"
#include "platform/Icons.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace
{

enum ColumnIndex { NUMBER, GUESS, PINS, BEFORE, AFTER, BEST, NEEDS, COLUMN_COUNT };

struct Column {
    int nHeadingId; // the number's is only said, not shown
    Qt::Alignment alignment;
    int nWidthDu; // 0: the column takes the width the others leave
};

// Centred: a heading of any length then stands over its numbers.
constexpr Column COLUMNS[COLUMN_COUNT] = {
    {IDS_A11Y_NUMBER, Qt::AlignRight, 14},    {IDS_COLUMN_GUESS, Qt::AlignHCenter, 34},
    {IDS_COLUMN_PINS, Qt::AlignHCenter, 30},  {IDS_COLUMN_BEFORE, Qt::AlignHCenter, 34},
    {IDS_COLUMN_AFTER, Qt::AlignHCenter, 34}, {IDS_COLUMN_BEST, Qt::AlignHCenter, 34},
    {IDS_COLUMN_NEEDS, Qt::AlignHCenter, 0},
};

// The pins' picture in the middle of its cell, as on the board; a view puts it at the left.
class CCentredPicture : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QIcon picture = cell.icon;
        cell.icon = QIcon();
        cell.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* pView = option.widget;
        (pView ? pView->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &cell, pPainter, pView);
        QRect place(QPoint(), cell.decorationSize);
        place.moveCenter(cell.rect.center());
        picture.paint(pPainter, place);
    }
};

// What a count shows where there is none.
const QString NONE = QStringLiteral("-");

} // namespace

CReviewDlg::CReviewDlg(const QStringList& arWords, const QString& strWord,
                       std::vector<CGuess> guesses, QWidget* pParent)
    : CBaseDlg(IDD_REVIEW, pParent), m_arWords(arWords), m_strWord(strWord),
      m_guesses(std::move(guesses))
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

QWidget* CReviewDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    if (item.nId != IDC_CHART)
        return nullptr;
    return m_chart = new CWordsLeftChart(pParent);
}

bool CReviewDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    AppCore().PlaySoundRes(SND_WINDOW_OPEN, true);
    const CAppCore& core = AppCore();
    SetCaption(core.LoadLangString(IDS_REVIEW));
    SetItemText(IDOK, core.LoadLangString(IDS_OK));
    SetItemText(IDC_CHART_CAPTION, core.LoadLangString(IDS_WORDS_LEFT_CHART));
    m_list = qobject_cast<QTreeWidget*>(GetDlgItem(IDC_GUESSES));
    // A word set by hand may be shorter than four letters only where no game ran.
    const QByteArray word = m_strWord.toLatin1().leftJustified(4, '\0', true);
    const CCoach coach(m_arWords);
    const std::vector<CReviewRow> rows = coach.Review(m_guesses, word.constData());
    ShowChart(rows);
    FillList(coach, rows);
    ShowSummary(rows);
    // The rows are what a screen reader should read first; the chart is a Shift+Tab away.
    FocusItem(IDC_GUESSES);
    return false;
}

void CReviewDlg::ShowChart(const std::vector<CReviewRow>& rows)
{
    if (!m_chart)
        return;
    QList<int> anCounts;
    QStringList counts;
    for (const CReviewRow& row : rows) {
        anCounts.append(row.nAfter);
        counts.append(QString::number(row.nAfter));
    }
    m_chart->SetCounts(anCounts, rows.empty() ? 0 : rows.front().nBefore);
    const CAppCore& core = AppCore();
    m_chart->setAccessibleName(core.LoadLangString(IDS_WORDS_LEFT_CHART));
    m_chart->setAccessibleDescription(FormatMessageText(
        core.LoadLangString(IDS_WORDS_LEFT_DESCRIPTION), counts.join(QStringLiteral(", "))));
}

void CReviewDlg::AddColumns()
{
    // Read only, row by row: the arrows move a whole row, which a screen reader then reads.
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAccessibleName(windowTitle());
    m_list->setColumnCount(COLUMN_COUNT);
    m_list->setItemDelegateForColumn(PINS, new CCentredPicture(m_list));
    QHeaderView* pHeader = m_list->header();
    pHeader->setStretchLastSection(false);
    const DlgTemplate* pTemplate = FindDialogTemplate(IDD_REVIEW);
    QTreeWidgetItem* pHeadings = m_list->headerItem();
    for (int nColumn = 0; nColumn < COLUMN_COUNT; ++nColumn) {
        const Column& column = COLUMNS[nColumn];
        const QString strHeading = AppCore().LoadLangString(column.nHeadingId);
        pHeadings->setText(nColumn, nColumn == NUMBER ? QString() : strHeading);
        pHeadings->setData(nColumn, Qt::AccessibleTextRole, strHeading);
        pHeadings->setTextAlignment(nColumn, column.alignment | Qt::AlignVCenter);
        SizeListColumn(pHeader, *pTemplate, nColumn, column.nWidthDu);
    }
}

void CReviewDlg::FillList(const CCoach& coach, const std::vector<CReviewRow>& rows)
{
    if (!m_list)
        return;
    AddColumns();
    for (std::size_t i = 0; i < rows.size() && i < m_guesses.size(); ++i) {
        const CReviewRow& row = rows[i];
        const CPins& pins = m_guesses[i].pins;
        auto* pItem = new QTreeWidgetItem(
            m_list, {QString::number(i + 1), QString::fromLatin1(m_guesses[i].szWord, 4), QString(),
                     QString::number(row.nBefore), QString::number(row.nAfter),
                     row.nBest >= 0 ? coach.Word(row.nBest) : NONE,
                     row.nBestToFind > 0 ? QString::number(row.nBestToFind) : NONE});
        // The pins as on the board, and in words for a screen reader.
        pItem->setIcon(PINS, LoadIconRes(IDI_FIRST_PIN + 10 * pins.nBlack + pins.nWhite));
        pItem->setData(PINS, Qt::AccessibleTextRole,
                       AppCore().LoadLangString(IDS_A11Y_PINS).arg(pins.nBlack).arg(pins.nWhite));
        for (int nColumn = 0; nColumn < COLUMN_COUNT; ++nColumn)
            pItem->setTextAlignment(nColumn, COLUMNS[nColumn].alignment | Qt::AlignVCenter);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

void CReviewDlg::ShowSummary(const std::vector<CReviewRow>& rows)
{
    const CAppCore& core = AppCore();
    if (rows.empty() || rows.front().nBestToFind < 0) {
        SetItemText(IDC_SUMMARY, core.LoadLangString(IDS_REVIEW_NOT_FOUND));
        return;
    }
    SetItemText(IDC_SUMMARY, core.LoadLangString(IDS_REVIEW_SUMMARY)
                                 .arg(GuessCountText(rows.front().nBestToFind))
                                 .arg(GuessCountText(static_cast<int>(m_guesses.size()))));
}
