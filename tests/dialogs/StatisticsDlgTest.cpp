// What a player sees in the statistics and their chart; no other layer shows them.
#include "dialogs/StatisticsDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/GuessChart.h"
#include "res/Resource.h"
#include "store/PlayerStatistics.h"
#include "support/TempRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int GERMAN = 3;

// Anna's record, English: wins in 4, 4 and 20 guesses (60, 31 and 90 s), two games given up, a
// win in 1 guess (30 s); then German: one game given up. The figures all differ, so that two
// swapped ones show.
TEST(StatisticsDlg, ShowsTheFiguresAndChartOfTheDictionaryChosenFromTheKeyboard)
{
    TempRegistry registry;
    RecordWonGame("Anna", ENGLISH, 60, 4);
    RecordWonGame("Anna", ENGLISH, 31, 4);
    RecordWonGame("Anna", ENGLISH, 90, 20);
    RecordAbandonedGame("Anna", ENGLISH);
    RecordAbandonedGame("Anna", ENGLISH);
    RecordWonGame("Anna", ENGLISH, 30, 1);
    RecordAbandonedGame("Anna", GERMAN);
    const QString strEnglishChart = "Games won by number of guesses: 1 guess: 1; 4 guesses: 2; "
                                    "16 or more guesses: 1. Last won game: 1 guess.";
    const struct {
        int nLang;
        Qt::Key key; // on the dictionary choice, which has the focus
        const char* pszChoice;
        QStringList figures; // won, given up, run, best time, average time, best run
        QString strChart;    // as a screen reader reads it out
    } rows[] = {
        {ENGLISH,
         Qt::Key_unknown,
         "English",
         {"4", "2", "1", "0:30", "0:53", "3"},
         strEnglishChart},
        {ENGLISH, Qt::Key_Up, "Deutsch", {"0", "1", "0", "-", "-", "0"}, "No game won yet."},
        {ENGLISH, Qt::Key_Home, "All", {"4", "3", "0", "0:30", "0:53", "3"}, strEnglishChart},
        {DUTCH,
         Qt::Key_unknown,
         "English",
         {"4", "2", "1", "0:30", "0:53", "3"},
         "Gewonnen spellen per aantal pogingen: 1 poging: 1; 4 pogingen: 2; 16 of meer "
         "pogingen: 1. Laatst gewonnen spel: 1 poging."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszChoice);
        AppCore().SetProgLang(row.nLang);
        CStatisticsDlg dlg(QStringLiteral("Anna"), ENGLISH);
        dlg.Create();
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
        ASSERT_EQ(dlg.focusWidget(), dlg.m_comboDict);
        if (row.key != Qt::Key_unknown)
            QTest::keyClick(dlg.m_comboDict, row.key);
        EXPECT_EQ(dlg.m_comboDict->currentText(), row.pszChoice);
        EXPECT_EQ(dlg.GetDlgItem(IDC_NAME)->property("text").toString(), "Anna");
        for (int i = 0; i < FIGURE_COUNT; ++i)
            EXPECT_EQ(dlg.GetDlgItem(IDC_FIRST_FIGURE + i)->property("text").toString(),
                      row.figures[i])
                << "figure " << i;
        EXPECT_EQ(dlg.m_chart->accessibleDescription(), row.strChart);
    }
    AppCore().SetProgLang(ENGLISH);
}

// Bars out of proportion or order, a bar for no games or over its count, and the last won game
// not standing out would all mislead.
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
