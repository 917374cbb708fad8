#include "GameDlg.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "GameRound.h"
#include "HighScoreTable.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "Random.h"
#include "RecordingWavePlayer.h"
#include "TempRegistry.h"
#include "TickClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace
{

std::uint32_t g_dwNow = 0;
std::uint32_t FakeTicks()
{
    return g_dwNow;
}

class GameDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetTickSource(&FakeTicks);
        SeedRandom(7);
        theApp.m_nProgLang = 0;
        theApp.m_bAutoStart = true;
        m_player.m_strName = QStringLiteral("Anna");
        m_player.m_nDict = 0;
        m_game.m_nDict = 0;
        theApp.m_pPlayer = &m_player;
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override
    {
        m_dlg.reset();
        theApp.m_pPlayer = nullptr;
        SetTickSource(nullptr);
    }

    CGameDlg& Open()
    {
        m_dlg = std::make_unique<CGameDlg>();
        m_dlg->m_pGame = &m_game;
        m_dlg->m_pPlayer = &m_player;
        m_dlg->m_pHighScores = m_pTable.get();
        m_dlg->Create();
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
        return *m_dlg;
    }

    // Types into whichever cell has the focus, as a player would.
    void Type(const QString& strLetters)
    {
        // The window's own focus child: a closed modal may leave no active window behind.
        for (QChar ch : strLetters)
            QTest::keyClick(m_dlg->focusWidget(), ch.toLatin1());
    }

    void Guess(const QString& strWord)
    {
        Type(strWord);
        QTest::keyClick(m_dlg->focusWidget(), Qt::Key_Return);
    }

    QString Letters() const
    {
        QString str;
        for (int nId = 2200; nId <= 2203; ++nId)
            str += qobject_cast<QLineEdit*>(m_dlg->GetDlgItem(nId))->text();
        return str;
    }

    QString WrongGuess() const { return m_game.GetWord() == "QQQQ" ? "ZZZZ" : "QQQQ"; }

    TempRegistry m_registry;
    std::unique_ptr<CHighScoreTable> m_pTable = std::make_unique<CHighScoreTable>();
    CGameRound m_game;
    CPlayerSettings m_player{theApp.m_nProgLang};
    std::unique_ptr<CGameDlg> m_dlg;
};

QString RowText(const CBaseDlg* pRow, int nId)
{
    return qobject_cast<QLabel*>(pRow->GetDlgItem(nId))->text();
}

} // namespace

// Guards against misplaced rows: the newest must sit under the entry row, older ones
// one row lower each, and the window must grow by exactly one row per guess.
TEST_F(GameDlgTest, RowsStackNewestFirstAndTheWindowGrowsOneRowPerGuess)
{
    CGameDlg& dlg = Open();
    const QSize initial = dlg.size();
    ASSERT_FALSE(m_game.m_bFinished);
    Guess(WrongGuess());
    ASSERT_EQ(dlg.Rows().size(), 1);
    const int nRowHeight = dlg.Rows()[0]->height();
    EXPECT_EQ(dlg.height(), initial.height() + nRowHeight);
    Guess(WrongGuess());
    Guess(WrongGuess());

    const QList<CBaseDlg*>& rows = dlg.Rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(dlg.size(), QSize(initial.width(), initial.height() + 3 * nRowHeight));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i]->pos(), QPoint(0, initial.height() + (2 - i) * nRowHeight)) << i;
        EXPECT_EQ(RowText(rows[i], 2002), QString::number(i + 1));
        EXPECT_EQ(RowText(rows[i], 2200), WrongGuess().left(1));
    }
    EXPECT_TRUE(Letters().isEmpty());
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(2200));

    // A new game asks first, then the window goes back to its first size.
    ModalWatcher yes([](QWidget* pBox) { Click(pBox, IDOK); });
    dlg.OnCommand(1405);
    EXPECT_EQ(yes.Count(), 1);
    EXPECT_TRUE(dlg.Rows().isEmpty());
    EXPECT_EQ(dlg.size(), initial);
}

// Guards against a win that leaves the game open, loses its letters or misses the table.
TEST_F(GameDlgTest, WinningStopsTheClockKeepsTheLettersAndEntersTheTable)
{
    g_dwNow = 1000;
    CGameDlg& dlg = Open();
    Guess(WrongGuess());
    g_dwNow = 84000;
    const QString strWord = m_game.GetWord();
    RecordingWavePlayer::Instance().Clear();
    Guess(strWord);

    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_EQ(Letters(), strWord);
    for (int nId = 2200; nId <= 2203; ++nId)
        EXPECT_FALSE(dlg.GetDlgItem(nId)->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(dlg.GetDlgItem(2003))->text(),
              QStringLiteral("Anna - 1:23"));
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds().mid(4), (QList<int>{4001, 4000}));
    ASSERT_EQ(m_pTable->GetCount(), 1);
    EXPECT_EQ(m_pTable->GetAt(0)->m_nSeconds, 83);
    EXPECT_EQ(m_pTable->GetAt(0)->m_nGuesses, 2);

    // The clock stays frozen, and Enter on the go button starts the next game at once.
    g_dwNow = 200000;
    QTest::qWait(1100);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(dlg.GetDlgItem(2003))->text(),
              QStringLiteral("Anna - 1:23"));
    ModalWatcher none([](QWidget* pBox) { Click(pBox, IDCANCEL); });
    QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_FALSE(m_game.m_bFinished);
    EXPECT_TRUE(dlg.Rows().isEmpty());
}

// Guards against a revealed or hand-set word reaching the high score table.
TEST_F(GameDlgTest, CheatedGameEndsSilentlyAndNeverEntersTheTable)
{
    Open();
    m_game.SetWord(QStringLiteral("WORD"));
    RecordingWavePlayer::Instance().Clear();
    Guess(QStringLiteral("WORD"));
    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_EQ(m_pTable->GetCount(), 0);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds().mid(4), QList<int>{4001});
}

// Guards against the notice announcing entries that beat nothing, or missing real ones.
TEST_F(GameDlgTest, HighScoreNoticeOnlyWhenTheGameBeatsAnEarlierEntry)
{
    auto winIn = [this](std::uint32_t dwMs) {
        QStringList texts;
        ModalWatcher notice([&](QWidget* pNote) {
            texts << qobject_cast<QLabel*>(Item(pNote, 3005))->text();
            QTest::keyClick(pNote, Qt::Key_Space);
        });
        g_dwNow = 0;
        m_dlg->OnCommand(1405);
        g_dwNow = dwMs;
        Guess(m_game.GetWord());
        return texts;
    };
    Open();
    EXPECT_TRUE(winIn(50000).isEmpty()); // first entry of an empty table
    EXPECT_TRUE(winIn(60000).isEmpty()); // behind everything, table has room
    EXPECT_EQ(winIn(10000), QStringList{QStringLiteral("You've got the Highest Score!!")});
    EXPECT_EQ(winIn(55000), QStringList{QStringLiteral("High Score: # 3!")});
    for (std::uint32_t dwSeconds : {90, 92, 94, 96, 98, 100})
        EXPECT_TRUE(winIn(dwSeconds * 1000).isEmpty());
    ASSERT_EQ(m_pTable->GetCount(), MAX_HIGH_SCORES);
    // A full table announces every entry, even at the last place.
    EXPECT_EQ(winIn(99000), QStringList{QStringLiteral("High Score: # 10!")});
}

// Guards against losing a game with guesses without asking, or asking needlessly.
TEST_F(GameDlgTest, ClosingAsksOnlyOnceAGuessWasScored)
{
    CGameDlg& dlg = Open();
    Guess(WrongGuess());
    QString strQuestion;
    {
        ModalWatcher no([&](QWidget* pBox) {
            strQuestion = qobject_cast<QLabel*>(Item(pBox, 3005))->text();
            Click(pBox, IDCANCEL);
        });
        QTest::keyClick(&dlg, Qt::Key_Escape);
    }
    EXPECT_EQ(strQuestion, QStringLiteral("Are you sure you want to abort the current game?"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Rows().size(), 1);

    RecordingWavePlayer::Instance().Clear();
    ModalWatcher yes([](QWidget* pBox) { Click(pBox, IDOK); });
    dlg.OnCommand(1408);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), IDCANCEL);
    ASSERT_FALSE(RecordingWavePlayer::Instance().Calls().isEmpty());
    EXPECT_EQ(RecordingWavePlayer::Instance().Calls().last().nSoundId, 4007);
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls().last().bAsync);
}

// Guards against the window's four states drifting from the game's.
TEST_F(GameDlgTest, WindowStatesFollowTheGame)
{
    theApp.m_bAutoStart = false;
    CGameDlg& dlg = Open();
    auto* pPlayer = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(2003));
    EXPECT_FALSE(dlg.GetDlgItem(2200)->isEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_EQ(pPlayer->text(), QStringLiteral("Anna"));

    // Running: the go button waits for four letters.
    QTest::keyClick(dlg.GetDlgItem(IDOK), Qt::Key_Space);
    ASSERT_FALSE(m_game.m_bFinished);
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    Type(QStringLiteral("abc"));
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    Type(QStringLiteral("d"));
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_EQ(pPlayer->text(), QStringLiteral("Anna - 0:00"));

    // Without word: a dictionary without a list leaves the game over, clock at 0:00.
    m_game.m_nDict = 6;
    dlg.OnCommand(1405);
    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_FALSE(dlg.GetDlgItem(2200)->isEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_EQ(pPlayer->text(), QStringLiteral("Anna - 0:00"));
}

// Guards against the sound switch playing its confirmation when it turns sound off.
TEST_F(GameDlgTest, SoundCommandConfirmsOnlyWhenSwitchingOn)
{
    CGameDlg& dlg = Open();
    RecordingWavePlayer::Instance().Clear();
    dlg.OnCommand(1404);
    EXPECT_FALSE(m_player.m_bSound);
    dlg.OnCommand(1404);
    EXPECT_TRUE(m_player.m_bSound);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{4012});
}
