#include "dialogs/StatisticsDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/GuessChart.h"
#include "res/Resource.h"
#include "store/PlayerStatistics.h"
#include "support/QtPrinters.h"
#include "support/TempRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int GERMAN = 3;

// Anna's record, English: wins in 4, 4 and 20 guesses (60, 31 and 90 s), two games given up,
// a win in 1 guess (30 s); then German: one game given up.
struct StatisticsDlgTest : testing::Test {
    StatisticsDlgTest()
    {
        RecordWonGame("Anna", ENGLISH, 60, 4);
        RecordWonGame("Anna", ENGLISH, 31, 4);
        RecordWonGame("Anna", ENGLISH, 90, 20);
        RecordAbandonedGame("Anna", ENGLISH);
        RecordAbandonedGame("Anna", ENGLISH);
        RecordWonGame("Anna", ENGLISH, 30, 1);
        RecordAbandonedGame("Anna", GERMAN);
    }
    ~StatisticsDlgTest() override { AppCore().SetProgLang(ENGLISH); }

    // Anna's statistics, open on English and active, in the program language given.
    CStatisticsDlg& Open(int nLang)
    {
        AppCore().SetProgLang(nLang);
        m_dlg.Create();
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        return m_dlg;
    }
    QString Text(int nId) const { return m_dlg.GetDlgItem(nId)->property("text").toString(); }
    QString Figure(int nLabelId) const { return Text(IDC_FIRST_FIGURE + nLabelId - IDS_GAMES_WON); }

    TempRegistry m_registry;
    CStatisticsDlg m_dlg{QStringLiteral("Anna"), ENGLISH};
};

} // namespace

// Guards against figures of another dictionary or in the wrong place, a choice the arrow keys
// do not reach, and "All" that leaves a dictionary out.
TEST_F(StatisticsDlgTest, ShowsTheChosenDictionarysFiguresAndSwitchesFromTheKeyboard)
{
    Open(ENGLISH);
    QWidget* pChoice = m_dlg.focusWidget();
    ASSERT_EQ(pChoice, m_dlg.m_comboDict);
    EXPECT_EQ(m_dlg.m_comboDict->currentText(), "English");
    EXPECT_EQ(Text(IDC_NAME), "Anna");
    EXPECT_EQ(Figure(IDS_GAMES_WON), "4");
    EXPECT_EQ(Figure(IDS_GAMES_ABANDONED), "2");
    EXPECT_EQ(Figure(IDS_CURRENT_RUN), "1");
    EXPECT_EQ(Figure(IDS_BEST_TIME), "0:30");
    EXPECT_EQ(Figure(IDS_AVERAGE_TIME), "0:53");
    EXPECT_EQ(Figure(IDS_BEST_RUN), "3");

    QTest::keyClick(pChoice, Qt::Key_Up);
    EXPECT_EQ(m_dlg.m_comboDict->currentText(), "Deutsch");
    EXPECT_EQ(Figure(IDS_GAMES_WON), "0");
    EXPECT_EQ(Figure(IDS_GAMES_ABANDONED), "1");
    EXPECT_EQ(Figure(IDS_BEST_TIME), "-");
    EXPECT_EQ(m_dlg.m_chart->accessibleDescription(), "No game won yet.");

    QTest::keyClick(pChoice, Qt::Key_Home);
    EXPECT_EQ(m_dlg.m_comboDict->currentText(), "All");
    EXPECT_EQ(Figure(IDS_GAMES_WON), "4");
    EXPECT_EQ(Figure(IDS_GAMES_ABANDONED), "3");
    EXPECT_EQ(Figure(IDS_CURRENT_RUN), "0");
}

// Guards against a chart a screen reader cannot read out, or reads in the wrong language.
TEST_F(StatisticsDlgTest, TheChartIsDescribedInWordsInTheProgramLanguage)
{
    Open(ENGLISH);
    EXPECT_EQ(m_dlg.m_chart->accessibleDescription(),
              "Games won by number of guesses: 1 guess: 1; 4 guesses: 2; 16 or more guesses: 1. "
              "Last won game: 1 guess.");
    m_dlg.close();
    CStatisticsDlg dutch(QStringLiteral("Anna"), ENGLISH);
    AppCore().SetProgLang(DUTCH);
    dutch.Create();
    EXPECT_EQ(dutch.windowTitle(), "Statistieken");
    EXPECT_EQ(dutch.m_comboDict->itemText(0), "Alle");
    EXPECT_EQ(dutch.m_chart->accessibleDescription(),
              "Gewonnen spellen per aantal pogingen: 1 poging: 1; 4 pogingen: 2; 16 of meer "
              "pogingen: 1. Laatst gewonnen spel: 1 poging.");
}

// Guards against bars out of proportion or order, a bar drawn for no games, a bar over its
// count, and the last won game not standing out.
TEST(GuessChart, BarsScaleToTheTallestAndTheLastWinStandsOut)
{
    CGuessChart chart;
    chart.resize(320, 160);
    std::array<int, GUESS_BARS> anCounts{};
    anCounts[1] = 2;
    anCounts[2] = 4;
    anCounts[3] = 1;
    anCounts[GUESS_BARS - 1] = 1;
    chart.SetCounts(anCounts, 3);

    EXPECT_TRUE(chart.BarRect(0).isEmpty());
    EXPECT_NEAR(chart.BarRect(2).height(), 2 * chart.BarRect(1).height(), 1);
    EXPECT_EQ(chart.BarRect(1).bottom(), chart.BarRect(GUESS_BARS - 1).bottom());
    EXPECT_LT(chart.BarRect(1).right(), chart.BarRect(2).left());
    EXPECT_LE(chart.BarRect(GUESS_BARS - 1).right(), chart.width());
    EXPECT_GE(chart.BarRect(2).top(), chart.fontMetrics().height());

    const QImage image = chart.grab().toImage();
    EXPECT_EQ(image.pixel(chart.BarRect(3).center()),
              chart.palette().color(QPalette::Highlight).rgb());
    EXPECT_NE(image.pixel(chart.BarRect(2).center()), image.pixel(chart.BarRect(3).center()));
    const QPoint background(chart.BarRect(1).center().x(), chart.BarRect(2).top() + 1);
    EXPECT_NE(image.pixel(chart.BarRect(2).center()), image.pixel(background));
}
