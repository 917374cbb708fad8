#include "GameDlg.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "GameRound.h"
#include "HighScoreTable.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "TempRegistry.h"
#include "TickClock.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

std::uint32_t g_dwNow = 0;

// Anna's main window, English, opened without a game.
class GameDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetTickSource([] { return g_dwNow; });
        theApp.m_bAutoStart = false;
        theApp.m_pPlayer = &m_player;
        m_player.m_strName = QStringLiteral("Anna");
        m_game.m_nDict = 0;
        m_dlg.m_pGame = &m_game;
        m_dlg.m_pPlayer = &m_player;
        m_dlg.m_pHighScores = &m_table;
        m_dlg.Create();
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override { theApp.m_pPlayer = nullptr, SetTickSource(nullptr); }
    // Types into the window's focus child, as a player would.
    void Guess(const QString& strWord, const char* pszEnd = "\r")
    {
        for (QChar ch : strWord + pszEnd)
            QTest::keyClick(m_dlg.focusWidget(), ch.toLatin1());
    }
    QWidget* Ctl(int nId) const { return m_dlg.GetDlgItem(nId); }
    static QString Text(const QWidget* pItem) { return pItem->property("text").toString(); }
    static QList<int> Sounds() { return RecordingWavePlayer::Instance().SoundIds(); }

    // Enabled letter cells and go button, the letters, the player button: "01|WORD|Anna - 1:23".
    QString State() const
    {
        QString strLetters;
        int nEnabled = 0;
        for (int nId = 2200; nId <= 2203; ++nId) {
            strLetters += Text(Ctl(nId));
            nEnabled += Ctl(nId)->isEnabled();
        }
        return QStringLiteral("%1%2|%3|%4")
            .arg(nEnabled)
            .arg(Ctl(IDOK)->isEnabled())
            .arg(strLetters, Text(Ctl(2003)));
    }

    TempRegistry m_registry;
    CHighScoreTable m_table;
    CGameRound m_game;
    CPlayerSettings m_player{theApp.m_nProgLang};
    CGameDlg m_dlg;
    // Every modal window's text, in order; a question is answered m_nAnswer, a notice a key.
    QStringList m_modals;
    int m_nAnswer = IDOK;
    ModalWatcher m_watcher{[this](QWidget* pBox) {
        m_modals << Text(Item(pBox, 3005));
        Button(pBox, m_nAnswer) ? Click(pBox, m_nAnswer) : QTest::keyClick(pBox, Qt::Key_Space);
    }};
};

} // namespace

// Guards against misplaced rows, and a game with guesses ended without asking, or kept on Yes.
TEST_F(GameDlgTest, RowsStackNewestFirstAndAbortingThemAsksFirst)
{
    const QSize initial = m_dlg.size();
    m_dlg.OnCommand(1405);
    for (int i = 0; i < 3; ++i)
        Guess(QStringLiteral("QZXJ")); // in no list
    const QList<CBaseDlg*>& rows = m_dlg.Rows();
    ASSERT_EQ(rows.size(), 3);
    const int nRowHeight = rows[0]->height();
    EXPECT_EQ(m_dlg.size(), QSize(initial.width(), initial.height() + 3 * nRowHeight));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i]->pos(), QPoint(0, initial.height() + (2 - i) * nRowHeight)) << i;
        EXPECT_EQ(Text(Item(rows[i], 2002)) + Text(Item(rows[i], 2200)) + Text(Item(rows[i], 2203)),
                  QString::number(i + 1) + "QJ");
    }
    EXPECT_EQ(State(), "40||Anna - 0:00");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(2200));

    m_nAnswer = IDCANCEL;
    QTest::keyClick(&m_dlg, Qt::Key_Escape);
    EXPECT_TRUE(m_dlg.isVisible() && rows.size() == 3);
    m_nAnswer = IDOK;
    m_dlg.OnCommand(1405);
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(m_dlg.size(), initial);
    RecordingWavePlayer::Instance().Clear();
    m_dlg.OnCommand(1408); // no guess yet: no question
    EXPECT_EQ(m_modals, QStringList(2, "Are you sure you want to abort the current game?"));
    EXPECT_TRUE(!m_dlg.isVisible() && m_dlg.result() == IDCANCEL);
    EXPECT_EQ(Sounds(), QList<int>{4007});
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}

// Guards against an open game or lost letters after a win, and a cheated win sounding or entered.
TEST_F(GameDlgTest, WinningEndsTheGameAndOnlyAnHonestWinEntersTheTable)
{
    m_dlg.OnCommand(1405);
    g_dwNow += 83000;
    const QString strWord = m_game.GetWord();
    RecordingWavePlayer::Instance().Clear();
    Guess(strWord);
    EXPECT_EQ(State(), "01|" + strWord + "|Anna - 1:23");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDOK));
    EXPECT_EQ(Sounds().mid(4), (QList<int>{4001, 4000}));

    Guess({}); // Return on the go button starts the next game at once
    ASSERT_FALSE(m_game.m_bFinished);
    m_game.SetWord(QStringLiteral("WORD"));
    RecordingWavePlayer::Instance().Clear();
    Guess(QStringLiteral("WORD"));
    EXPECT_EQ(State().left(2), "01");
    EXPECT_EQ(Sounds().mid(4), QList<int>{4001});
    EXPECT_EQ(m_table.GetCount(), 1); // the honest win only
    EXPECT_TRUE(m_modals.isEmpty());
}

// Guards against notices for entries that beat nothing (but a full table announces every one).
TEST_F(GameDlgTest, HighScoreNoticeOnlyWhenTheGameBeatsAnEarlierEntry)
{
    for (int nSeconds : {50, 60, 55, 90, 92, 94, 96, 98, 100, 102, 101}) {
        g_dwNow = 0;
        m_dlg.OnCommand(1405);
        g_dwNow = nSeconds * 1000;
        Guess(m_game.GetWord());
    }
    EXPECT_EQ(m_modals, (QStringList{"High Score: # 2!", "High Score: # 10!"}));
}

// Guards against the controls drifting from the game: stopped, running, without a word list.
TEST_F(GameDlgTest, WindowStatesFollowTheGame)
{
    EXPECT_EQ(State(), "01||Anna");
    QTest::keyClick(Ctl(IDOK), Qt::Key_Space);
    Guess("ABC", "");
    Guess("D", "");
    EXPECT_EQ(State(), "41|ABCD|Anna - 0:00");
    m_game.m_nDict = 6;
    m_dlg.OnCommand(1405);
    EXPECT_EQ(State(), "01||Anna - 0:00");
}

// Guards against the sound switch playing its confirmation when it turns sound off.
TEST_F(GameDlgTest, SoundCommandConfirmsOnlyWhenSwitchingOn)
{
    for (int i = 0; i < 2; ++i)
        m_dlg.OnCommand(1404);
    EXPECT_TRUE(m_player.m_bSound);
    EXPECT_EQ(Sounds(), QList<int>{4012});
}
