#include "dialogs/StatisticsDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "dialogs/GuessChart.h"
#include "game/GameRound.h"
#include "game/WordList.h"
#include "platform/DialogBuilder.h"
#include "platform/Icons.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerStatistics.h"

#include <QComboBox>

namespace
{

// A time of no won game.
const QString NO_TIME = QStringLiteral("-");

constexpr int FIGURE_LABELS[FIGURE_COUNT] = {IDS_GAMES_WON, IDS_GAMES_ABANDONED, IDS_CURRENT_RUN,
                                             IDS_BEST_TIME, IDS_AVERAGE_TIME,    IDS_BEST_RUN,
                                             IDS_HARD_WON};

QString TimeText(const CStatistics& stats, int nSeconds)
{
    return stats.m_nWon > 0 ? FormatTime(nSeconds) : NO_TIME;
}

// The bar's number of guesses in words, as a screen reader says it.
QString GuessesInWords(int nBar)
{
    if (nBar == GUESS_BARS - 1)
        return AppCore().LoadLangString(IDS_MORE_GUESSES);
    return GuessCountText(nBar + 1);
}

} // namespace

CStatisticsDlg::CStatisticsDlg(const QString& strPlayer, int nDict, QWidget* pParent)
    : CBaseDlg(IDD_STATISTICS, pParent), m_strPlayer(strPlayer),
      m_nDict(GetDictionaryName(nDict, true).isEmpty() ? ALL_DICTIONARIES : nDict)
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

QWidget* CStatisticsDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    if (item.nId != IDC_CHART)
        return nullptr;
    return m_chart = new CGuessChart(pParent);
}

bool CStatisticsDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_comboDict = qobject_cast<QComboBox*>(GetDlgItem(IDC_DICTIONARIES));
    SetTexts();
    FillDictionaries();
    ShowRecord();
    return true; // the dictionary choice has the focus: the arrow keys switch at once
}

void CStatisticsDlg::SetTexts()
{
    const CAppCore& core = AppCore();
    SetCaption(core.LoadLangString(IDS_STATISTICS));
    SetItemText(IDOK, core.LoadLangString(IDS_OK));
    ShowPlayerName();
    for (int i = 0; i < FIGURE_COUNT; ++i)
        SetItemText(IDC_FIRST_FIGURE_LABEL + i, core.LoadLangString(FIGURE_LABELS[i]));
    SetItemText(IDC_CHART_CAPTION, core.LoadLangString(IDS_GUESS_CHART));
    if (m_chart)
        m_chart->setAccessibleName(core.LoadLangString(IDS_GUESS_CHART));
    // A drop-down is named by what it shows; the flag, its label, says what it chooses.
    if (QWidget* pFlag = GetDlgItem(IDC_PICTURE))
        pFlag->setAccessibleName(core.LoadLangString(IDS_DICTIONARY));
}

// A name too long for its place is cut short; its tip has the whole of it.
void CStatisticsDlg::ShowPlayerName()
{
    QWidget* pName = GetDlgItem(IDC_NAME);
    if (!pName)
        return;
    pName->setToolTip(ShownName(m_strPlayer));
    SetItemText(IDC_NAME, ShownName(m_strPlayer, pName->fontMetrics(), pName->width()));
}

void CStatisticsDlg::FillDictionaries()
{
    if (!m_comboDict)
        return;
    m_comboDict->addItem(LoadIconRes(IDI_PROGRAM), AppCore().LoadLangString(IDS_ALL_DICTIONARIES),
                         ALL_DICTIONARIES);
    for (int nDict : DICTIONARY_DISPLAY_ORDER)
        m_comboDict->addItem(LoadIconRes(DictionaryResourceId(nDict)),
                             GetDictionaryName(nDict, false), nDict);
    m_comboDict->setCurrentIndex(m_comboDict->findData(m_nDict));
    connect(m_comboDict, &QComboBox::currentIndexChanged, this, [this] {
        m_nDict = m_comboDict->currentData().toInt();
        ShowRecord();
    });
}

void CStatisticsDlg::ShowRecord()
{
    const CStatistics stats = ReadStatistics(m_strPlayer, m_nDict);
    SetStaticIcon(IDC_PICTURE,
                  m_nDict == ALL_DICTIONARIES ? IDI_PROGRAM : DictionaryResourceId(m_nDict));
    ShowFigures(stats);
    if (m_chart) {
        m_chart->SetCounts(stats.m_anWonByBar, stats.m_nLastBar);
        m_chart->setAccessibleDescription(ChartDescription(stats));
    }
}

// In the order of their labels.
void CStatisticsDlg::ShowFigures(const CStatistics& stats)
{
    const QString figures[FIGURE_COUNT] = {
        QString::number(stats.m_nWon),           QString::number(stats.m_nAbandoned),
        QString::number(stats.m_nRun),           TimeText(stats, stats.m_nBestSeconds),
        TimeText(stats, stats.AverageSeconds()), QString::number(stats.m_nBestRun),
        QString::number(stats.m_nHardWon),
    };
    // A hand-edited store may hold counts of ten digits.
    for (int i = 0; i < FIGURE_COUNT; ++i) {
        SetItemText(IDC_FIRST_FIGURE + i, figures[i]);
        ShrinkToFit(GetDlgItem(IDC_FIRST_FIGURE + i));
    }
}

QString CStatisticsDlg::ChartDescription(const CStatistics& stats)
{
    const CAppCore& core = AppCore();
    if (stats.m_nWon == 0)
        return core.LoadLangString(IDS_CHART_EMPTY);
    QStringList bars;
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar) {
        if (stats.m_anWonByBar[nBar] > 0)
            bars.append(
                QStringLiteral("%1: %2").arg(GuessesInWords(nBar)).arg(stats.m_anWonByBar[nBar]));
    }
    return FormatMessageText(core.LoadLangString(IDS_CHART_DESCRIPTION),
                             bars.join(QStringLiteral("; "))) +
           QLatin1Char(' ') +
           FormatMessageText(core.LoadLangString(IDS_CHART_LAST), GuessesInWords(stats.m_nLastBar));
}
