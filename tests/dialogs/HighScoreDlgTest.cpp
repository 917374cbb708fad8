#include "appcore/AppCore.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/HighScoresDlg.h"
#include "res/DialogTemplates.h"
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

static QString RowText(const QTreeWidgetItem* pRow)
{
    QStringList arTexts;
    for (int nColumn = 0; nColumn < pRow->columnCount(); ++nColumn)
        arTexts.append(pRow->text(nColumn));
    return arTexts.join('|');
}

// Guards against wrong rows or columns, a clickable list, a bad Clear All, and a misplaced sound.
TEST(HighScoresDlg, ListShowsTheTableClearAllEmptiesItOnYesAndClosingSoundsOffScreen)
{
    TempRegistry registry;
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    const CRegKey scores(HKEY_LOCAL_MACHINE, "HiScores"); // in order: 5 s, 83 s, a bad dictionary
    const QStringList arFirst = {"5;3;Anna;0;WORD", "83;7;Bob;1;BOOM", "90;4;Cy;200;LAMP"};
    for (int n = 1; n <= 10; ++n)
        scores.SetString(QString::asprintf("H%.2d", n),
                         arFirst.value(n - 1, QString::asprintf("%d;9;Dee;2;FISH", 90 + n)));
    CHighScoreTable table;
    CHighScoresDlg dlg(&table);
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    // finished() comes once the dialog is hidden, the closing sound after it
    QObject::connect(&dlg, &QDialog::finished, [&] { EXPECT_EQ(calls.size(), 2); });
    WhenModal([&](QWidget*) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QTreeWidget* pList = dlg.m_list;
        ASSERT_EQ(pList->topLevelItemCount(), 10);
        EXPECT_EQ(RowText(pList->headerItem()), "|Name|Time|Level|Lang|Word");
        EXPECT_EQ(RowText(pList->topLevelItem(1)), "2|Bob|1:23|7|NL|BOOM");
        EXPECT_EQ(RowText(pList->topLevelItem(2)), "3|Cy|1:30|4||LAMP");
        EXPECT_EQ(RowText(pList->topLevelItem(9)), "10|Dee|1:40|9|FR|FISH");
        EXPECT_EQ(pList->header()->length(), pList->viewport()->width()); // Name takes the rest
        const QRect lastRow = pList->visualItemRect(pList->topLevelItem(9));
        EXPECT_LE(lastRow.bottom(), pList->viewport()->height());
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, lastRow.center());
        EXPECT_TRUE(pList->selectedItems().isEmpty() && dlg.focusWidget() == dlg.GetDlgItem(IDOK));

        for (int nAnswer : {IDCANCEL, IDOK}) {
            WhenModal([nAnswer](QWidget* pBox) { Click(pBox, nAnswer); }, &dlg);
            Click(&dlg, IDC_CLEAR_ALL);
            EXPECT_EQ(pList->topLevelItemCount() + table.GetCount(), nAnswer == IDOK ? 0 : 20);
        }
        EXPECT_TRUE(!dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled() &&
                    dlg.focusWidget() == dlg.GetDlgItem(IDOK));
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    AppCore().SetPlayer(nullptr);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>({4010, 4010, 4009}));
    EXPECT_FALSE(calls[2].bAsync);
    CHighScoresDlg again(&table); // opened on the emptied table
    again.Create();
    EXPECT_FALSE(again.GetDlgItem(IDC_CLEAR_ALL)->isEnabled());
}

// Guards against wrong texts, input that does not close it or leaks below, and a wrong timeout.
TEST(HighScoreNoticeDlg, NamesThePlaceAndClosesOnAnyKeyOrButtonOrByItself)
{
    QLineEdit owner;
    owner.show();
    const char* texts[] = {"You've got the Highest Score!!", "Je hebt de hoogste score!!",
                           "High Score: # 4!", "Hoge score: 4e plaats!"};
    void (*inputs[])(QWidget*) = {
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_X, Qt::AltModifier); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3005), Qt::LeftButton); },
        [](QWidget* p) { QTest::mouseClick(p->windowHandle(), Qt::MiddleButton, Qt::AltModifier); },
        [](QWidget*) {}, // nobody touches it: it closes after a second and a half
    };
    for (int nInput = 0; nInput < 4; ++nInput) {
        AppCore().m_nProgLang = nInput % 2;
        CHighScoreNoticeDlg note(nInput < 2 ? 1 : 4, &owner);
        WhenModal(inputs[nInput]);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(note.DoModal(), IDOK) << nInput;
        EXPECT_EQ(note.GetDlgItem(3005)->property("text").toString(), texts[nInput]);
        const qint64 nMs = timer.elapsed(); // Qt's coarse timers may fire up to 5% early
        EXPECT_TRUE(nInput < 3 ? nMs < 1000 : nMs >= 1400 && nMs < 2500) << nInput << ": " << nMs;
    }
    EXPECT_TRUE(owner.text().isEmpty());
    AppCore().m_nProgLang = 0;
}
