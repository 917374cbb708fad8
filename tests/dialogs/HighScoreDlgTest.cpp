// What a player sees and does in the high score list and notice; no other layer drives them.
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

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;

static QStringList Texts(const QTreeWidgetItem* pRow)
{
    QStringList arTexts;
    for (int nColumn = 0; nColumn < pRow->columnCount(); ++nColumn)
        arTexts.append(pRow->text(nColumn));
    return arTexts;
}

// A full table, best first: 5 s, 83 s in Dutch, 90 s in a dictionary that does not exist, then
// seven of 94 to 100 s in French.
TEST(HighScoresDlg, ListsTheTableBestFirstAndClearAllEmptiesItOnlyOnYes)
{
    TempRegistry registry;
    const CRegKey scores(HKEY_LOCAL_MACHINE, "HiScores");
    const QStringList arFirst = {"5;3;Anna;0;WORD", "83;7;Bob;1;BOOM", "90;4;Cy;200;LAMP"};
    for (int n = 1; n <= 10; ++n)
        scores.SetString(QString::asprintf("H%.2d", n),
                         arFirst.value(n - 1, QString::asprintf("%d;9;Dee;2;FISH", 90 + n)));
    CHighScoreTable table;
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    CHighScoresDlg dlg(&table);
    dlg.Create();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QTreeWidget* pList = dlg.m_list;
    ASSERT_EQ(pList->topLevelItemCount(), 10);
    EXPECT_EQ(Texts(pList->headerItem()),
              (QStringList{"", "Name", "Time", "Level", "Lang", "Word"}));
    EXPECT_EQ(Texts(pList->topLevelItem(1)), (QStringList{"2", "Bob", "1:23", "7", "NL", "BOOM"}));
    EXPECT_EQ(Texts(pList->topLevelItem(2)), (QStringList{"3", "Cy", "1:30", "4", "", "LAMP"}));
    EXPECT_EQ(Texts(pList->topLevelItem(9)), (QStringList{"10", "Dee", "1:40", "9", "FR", "FISH"}));
    const QRect lastRow = pList->visualItemRect(pList->topLevelItem(9));
    EXPECT_LE(lastRow.bottom(), pList->viewport()->height()) << "all ten rows show";
    EXPECT_EQ(pList->header()->length(), pList->viewport()->width()) << "Name takes the rest";

    const struct {
        const char* pszStep;
        int nAnswer; // to Clear All's question; 0: a click on the last row instead
        int nRows;
        QList<int> sounds;
    } steps[] = {
        {"a click on a row", 0, 10, {}},
        {"Clear All, No", IDCANCEL, 10, {SND_QUESTION}},
        {"Clear All, Yes", IDOK, 0, {SND_QUESTION}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszStep);
        RecordingWavePlayer::Instance().Clear();
        if (step.nAnswer) {
            WhenModal([&step](QWidget* pBox) { Click(pBox, step.nAnswer); }, &dlg);
            Click(&dlg, IDC_CLEAR_ALL);
        } else {
            QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, lastRow.center());
        }
        EXPECT_EQ(pList->topLevelItemCount(), step.nRows);
        EXPECT_EQ(table.GetCount(), step.nRows);
        EXPECT_EQ(dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled(), step.nRows > 0);
        EXPECT_EQ(pList->selectedItems().size(), 0);
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
        EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), step.sounds);
    }
    CHighScoresDlg empty(&table);
    empty.Create();
    EXPECT_FALSE(empty.GetDlgItem(IDC_CLEAR_ALL)->isEnabled()) << "opened on an empty table";

    // The closing sound plays to its end, once the list no longer shows.
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    qsizetype nSoundsWhenHidden = -1;
    QObject::connect(&dlg, &QDialog::finished, [&] { nSoundsWhenHidden = calls.size(); });
    RecordingWavePlayer::Instance().Clear();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), IDCANCEL);
    EXPECT_EQ(nSoundsWhenHidden, 0);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_WINDOW_CLOSED});
    EXPECT_FALSE(calls[0].bAsync);
    AppCore().SetPlayer(nullptr);
}

// Over a text field, which would show a key that leaks through the note.
TEST(HighScoreNoticeDlg, NamesThePlaceAndClosesOnAnyKeyOrButtonOrByItself)
{
    QLineEdit owner;
    owner.show();
    const struct {
        int nLang, nPlace;
        const char* pszText;
        void (*input)(QWidget*); // nullptr: nobody touches it, it closes after 1.5 s
    } rows[] = {
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszText);
        AppCore().m_nProgLang = row.nLang;
        CHighScoreNoticeDlg note(row.nPlace, &owner);
        WhenModal(row.input ? row.input : [](QWidget*) {});
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(note.DoModal(), IDOK);
        const qint64 nMs = timer.elapsed(); // Qt's coarse timers may fire up to 5% early
        EXPECT_EQ(note.GetDlgItem(IDC_TEXT)->property("text").toString(), row.pszText);
        EXPECT_GE(nMs, row.input ? 0 : 1400);
        EXPECT_LT(nMs, row.input ? 1000 : 2500);
    }
    EXPECT_EQ(owner.text(), "");
    AppCore().m_nProgLang = ENGLISH;
}
