#include "DialogTemplates.h"
#include "GameApp.h"
#include "HighScoreNoticeDlg.h"
#include "HighScoreTable.h"
#include "HighScoresDlg.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace
{

constexpr int IDC_CLEAR_ALL = 3014;

class HighScoreDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_pPlayer = &m_player; // sound on
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override
    {
        theApp.m_pPlayer = nullptr;
        theApp.m_nProgLang = 0;
    }

    // Ten records in table order: 5 s, 83 s, then a bad dictionary and seven more.
    static void StoreTenRecords()
    {
        const CRegKey key(HKEY_LOCAL_MACHINE, "HiScores");
        const QStringList arFirst = {"5;3;Anna;0;WORD", "83;7;Bob;1;BOOM", "90;4;Cy;200;LAMP"};
        for (int n = 1; n <= 10; ++n)
            key.SetString(QString::asprintf("H%.2d", n),
                          n <= 3 ? arFirst[n - 1] : QString::asprintf("%d;9;Dee;2;FISH", 90 + n));
    }

    TempRegistry m_registry;
    CPlayerSettings m_player{theApp.m_nProgLang};
};

QString RowText(const QTreeWidgetItem* pRow)
{
    QStringList arTexts;
    for (int nColumn = 0; nColumn < pRow->columnCount(); ++nColumn)
        arTexts.append(pRow->text(nColumn));
    return arTexts.join('|');
}

void AnswerClearAll(CHighScoresDlg& dlg, int nAnswer)
{
    WhenModal([nAnswer](QWidget* pBox) { Click(pBox, nAnswer); }, &dlg);
    Click(&dlg, IDC_CLEAR_ALL);
}

} // namespace

// Guards against rows out of table order, wrong cells, columns that do not fill the list
// in their proportions, and a list that takes clicks, selection or focus.
TEST_F(HighScoreDlgTest, ListShowsTheTableInSixColumns)
{
    StoreTenRecords();
    CHighScoreTable table;
    CHighScoresDlg dlg(&table);
    WhenModal([&](QWidget*) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QTreeWidget* pList = dlg.m_list;
        ASSERT_EQ(pList->topLevelItemCount(), 10);
        EXPECT_EQ(RowText(pList->headerItem()), "|Name|Time|Level|Lang|Word");
        EXPECT_EQ(RowText(pList->topLevelItem(0)), "1|Anna|0:05|3|EN|WORD");
        EXPECT_EQ(RowText(pList->topLevelItem(1)), "2|Bob|1:23|7|NL|BOOM");
        EXPECT_EQ(RowText(pList->topLevelItem(2)), "3|Cy|1:30|4||LAMP");
        EXPECT_EQ(RowText(pList->topLevelItem(9)), "10|Dee|1:40|9|FR|FISH");

        const QHeaderView* pHeader = pList->header();
        EXPECT_EQ(pHeader->length(), pList->viewport()->width());
        EXPECT_NEAR(pHeader->sectionSize(0) * 3, pHeader->sectionSize(2) * 2, 3);
        EXPECT_NEAR(pHeader->sectionSize(5) * 3, pHeader->sectionSize(2) * 4, 3);
        const QRect lastRow = pList->visualItemRect(pList->topLevelItem(9));
        EXPECT_LE(lastRow.bottom(), pList->viewport()->height());

        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, lastRow.center());
        EXPECT_TRUE(pList->selectedItems().isEmpty());
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
        Click(&dlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Guards against Clear All acting on No, or leaving rows, records or a usable button behind.
TEST_F(HighScoreDlgTest, ClearAllEmptiesListAndTableOnYesOnly)
{
    StoreTenRecords();
    for (int nRun : {0, 1}) { // the second run finds the table stored empty
        CHighScoreTable table;
        CHighScoresDlg dlg(&table);
        WhenModal([&](QWidget*) {
            EXPECT_EQ(dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled(), nRun == 0);
            if (nRun == 0) {
                AnswerClearAll(dlg, IDCANCEL);
                EXPECT_EQ(dlg.m_list->topLevelItemCount() + table.GetCount(), 20);
                AnswerClearAll(dlg, IDOK);
                EXPECT_EQ(dlg.m_list->topLevelItemCount() + table.GetCount(), 0);
                EXPECT_FALSE(dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled());
                EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
            }
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds().count(4010), 2);
}

// Guards against the closing sound playing while the list is on screen, asynchronously, or
// only after the caller has got control back.
TEST_F(HighScoreDlgTest, ClosingPlaysItsSoundToTheEndOffScreen)
{
    struct ProbePlayer : IWavePlayer {
        QWidget* pDlg = nullptr;
        bool bShownAtPlay = true;
        void Play(const QByteArray& wave, bool bAsync) override
        {
            bShownAtPlay = pDlg->isVisible();
            RecordingWavePlayer::Instance().Play(wave, bAsync);
        }
    } probe;
    CHighScoreTable table;
    CHighScoresDlg dlg(&table);
    probe.pDlg = &dlg;
    SetWavePlayer(&probe);
    WhenModal([&](QWidget*) { dlg.close(); });
    dlg.DoModal();
    SetWavePlayer(&RecordingWavePlayer::Instance());
    const auto calls = RecordingWavePlayer::Instance().Calls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].nSoundId, 4009);
    EXPECT_FALSE(calls[0].bAsync || probe.bShownAtPlay);
}

// Guards against wrong notice texts, or a key or button that does not close it at once or
// that reaches the window below.
TEST_F(HighScoreDlgTest, NoticeNamesThePlaceAndClosesOnAnyKeyOrButton)
{
    QLineEdit owner;
    owner.show();
    const char* texts[] = {"You've got the Highest Score!!", "Je hebt de hoogste score!!",
                           "High Score: # 4!", "Hoge score: 4e plaats!"};
    const std::function<void(QWidget*)> inputs[] = {
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_A); },
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_X, Qt::AltModifier); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3005), Qt::LeftButton); },
        [](QWidget* p) { QTest::mouseClick(p->windowHandle(), Qt::MiddleButton, Qt::AltModifier); },
    };
    for (int nInput = 0; nInput < 4; ++nInput) {
        theApp.m_nProgLang = nInput % 2;
        CHighScoreNoticeDlg note(nInput < 2 ? 1 : 4, &owner);
        QString strText;
        WhenModal([&](QWidget* p) {
            strText = qobject_cast<QLabel*>(Item(p, 3005))->text();
            inputs[nInput](p);
        });
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(note.DoModal(), IDOK) << nInput;
        EXPECT_LT(timer.elapsed(), 1000) << nInput;
        EXPECT_EQ(strText, texts[nInput]) << nInput;
    }
    EXPECT_TRUE(owner.text().isEmpty());
}

// Guards against a note that stays open, or closes too early, when nobody touches it.
TEST_F(HighScoreDlgTest, NoticeClosesByItselfAfterASecondAndAHalf)
{
    CHighScoreNoticeDlg note(2);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(note.DoModal(), IDOK);
    EXPECT_GE(timer.elapsed(), 1400); // Qt's coarse timers may fire up to 5% early
    EXPECT_LT(timer.elapsed(), 2500);
}
