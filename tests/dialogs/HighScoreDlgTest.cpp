#include "appcore/AppCore.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/HighScoresDlg.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;

// A registry whose table is full, best first: 5 s, 83 s in Dutch, 90 s in a dictionary that
// does not exist, then seven of 94 to 100 s in French.
struct FullTable : TempRegistry {
    FullTable()
    {
        const CRegKey scores(HKEY_LOCAL_MACHINE, "HiScores");
        const QStringList arFirst = {"5;3;Anna;0;WORD", "83;7;Bob;1;BOOM", "90;4;Cy;200;LAMP"};
        for (int n = 1; n <= 10; ++n)
            scores.SetString(QString::asprintf("H%.2d", n),
                             arFirst.value(n - 1, QString::asprintf("%d;9;Dee;2;FISH", 90 + n)));
    }
};

// The list of that table, shown and active, with sound on.
struct HighScoresDlgTest : testing::Test {
    HighScoresDlgTest()
    {
        AppCore().SetPlayer(&m_player);
        m_dlg.Create();
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        RecordingWavePlayer::Instance().Clear();
    }
    ~HighScoresDlgTest() override { AppCore().SetPlayer(nullptr); }
    static QStringList Texts(const QTreeWidgetItem* pRow)
    {
        QStringList arTexts;
        for (int nColumn = 0; nColumn < pRow->columnCount(); ++nColumn)
            arTexts.append(pRow->text(nColumn));
        return arTexts;
    }
    QStringList Row(int nPlace) const { return Texts(m_dlg.m_list->topLevelItem(nPlace - 1)); }
    void ClearAllAnswering(int nAnswer)
    {
        WhenModal([nAnswer](QWidget* pBox) { Click(pBox, nAnswer); }, &m_dlg);
        Click(&m_dlg, IDC_CLEAR_ALL);
    }

    FullTable m_registry;
    CHighScoreTable m_table;
    CPlayerSettings m_player{AppCore().m_nProgLang}; // sound on
    CHighScoresDlg m_dlg{&m_table};
};

} // namespace

// Guards against rows out of order, a column missing or swapped, or a bad dictionary named.
TEST_F(HighScoresDlgTest, ListsPlaceNameTimeLevelLanguageAndWordBestFirst)
{
    ASSERT_EQ(m_dlg.m_list->topLevelItemCount(), 10);
    EXPECT_EQ(Texts(m_dlg.m_list->headerItem()),
              (QStringList{"", "Name", "Time", "Level", "Lang", "Word"}));
    EXPECT_EQ(Row(2), (QStringList{"2", "Bob", "1:23", "7", "NL", "BOOM"}));
    EXPECT_EQ(Row(3), (QStringList{"3", "Cy", "1:30", "4", "", "LAMP"}));
    EXPECT_EQ(Row(10), (QStringList{"10", "Dee", "1:40", "9", "FR", "FISH"}));
}

// Guards against rows out of sight, a column too wide, or a list that a click selects or focuses.
TEST_F(HighScoresDlgTest, AllTenRowsShowAndAClickOnThemChangesNothing)
{
    QTreeWidget* pList = m_dlg.m_list;
    const QRect lastRow = pList->visualItemRect(pList->topLevelItem(9));
    EXPECT_LE(lastRow.bottom(), pList->viewport()->height());
    EXPECT_EQ(pList->header()->length(), pList->viewport()->width()); // Name takes the rest
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, lastRow.center());
    EXPECT_EQ(pList->selectedItems().size(), 0);
    EXPECT_EQ(m_dlg.focusWidget(), m_dlg.GetDlgItem(IDOK));
}

TEST_F(HighScoresDlgTest, ClearAllAsksAndEmptiesTheListAndTableOnlyOnYes)
{
    ClearAllAnswering(IDCANCEL);
    EXPECT_EQ(m_dlg.m_list->topLevelItemCount(), 10);
    EXPECT_EQ(m_table.GetCount(), 10);
    ClearAllAnswering(IDOK);
    EXPECT_EQ(m_dlg.m_list->topLevelItemCount(), 0);
    EXPECT_EQ(m_table.GetCount(), 0);
    EXPECT_FALSE(m_dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled());
    EXPECT_EQ(m_dlg.focusWidget(), m_dlg.GetDlgItem(IDOK));
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>(2, SND_QUESTION));
    CHighScoresDlg again(&m_table);
    again.Create();
    EXPECT_FALSE(again.GetDlgItem(IDC_CLEAR_ALL)->isEnabled());
}

// Guards against a closing sound that plays while the list still shows, or is cut short.
TEST_F(HighScoresDlgTest, EscapeClosesAndThenPlaysTheClosingSoundToItsEnd)
{
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    qsizetype nSoundsWhenHidden = -1;
    QObject::connect(&m_dlg, &QDialog::finished, [&] { nSoundsWhenHidden = calls.size(); });
    QTest::keyClick(&m_dlg, Qt::Key_Escape);
    EXPECT_EQ(m_dlg.result(), IDCANCEL);
    EXPECT_EQ(nSoundsWhenHidden, 0);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_WINDOW_CLOSED});
    EXPECT_FALSE(calls[0].bAsync);
}

// Guards against wrong texts, input that does not close it or leaks below, and a wrong timeout.
TEST(HighScoreNoticeDlg, NamesThePlaceAndClosesOnAnyKeyOrButtonOrByItself)
{
    QLineEdit owner;
    owner.show();
    const struct {
        int nLang, nPlace;
        const char* pszText;
        void (*input)(QWidget*); // nullptr: nobody touches it, it closes after 1.5 s
    } cases[] = {
        {ENGLISH, 1, "You've got the Highest Score!!",
         [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_X, Qt::AltModifier); }},
        {DUTCH, 1, "Je hebt de hoogste score!!",
         [](QWidget* p) { QTest::mouseClick(Item(p, IDC_TEXT), Qt::LeftButton); }},
        {ENGLISH, 4, "High Score: # 4!",
         [](QWidget* p) {
             QTest::mouseClick(p->windowHandle(), Qt::MiddleButton, Qt::AltModifier);
         }},
        {DUTCH, 4, "Hoge score: 4e plaats!", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        AppCore().m_nProgLang = c.nLang;
        CHighScoreNoticeDlg note(c.nPlace, &owner);
        WhenModal(c.input ? c.input : [](QWidget*) {});
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(note.DoModal(), IDOK);
        const qint64 nMs = timer.elapsed(); // Qt's coarse timers may fire up to 5% early
        EXPECT_EQ(note.GetDlgItem(IDC_TEXT)->property("text").toString(), c.pszText);
        EXPECT_GE(nMs, c.input ? 0 : 1400);
        EXPECT_LT(nMs, c.input ? 1000 : 2500);
    }
    EXPECT_EQ(owner.text(), "");
    AppCore().m_nProgLang = ENGLISH;
}
