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
#include <QListWidget>
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
        theApp.m_pGame = &m_game;
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
    void TearDown() override
    {
        theApp.m_pPlayer = nullptr;
        theApp.m_pGame = nullptr;
        SetTickSource(nullptr);
    }
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
    // Every modal window's text (or title), in order. m_fill acts on it first; then it gets
    // the next of m_answers, or m_nAnswer once they run out; a notice gets a key.
    QStringList m_modals;
    std::function<void(QWidget*)> m_fill;
    QList<int> m_answers;
    int m_nAnswer = IDOK;
    ModalWatcher m_watcher{[this](QWidget* pBox) {
        m_modals << (Item(pBox, 3005) ? Text(Item(pBox, 3005)) : pBox->windowTitle());
        if (m_fill)
            m_fill(pBox);
        const int nAnswer = m_answers.isEmpty() ? m_nAnswer : m_answers.takeFirst();
        Button(pBox, nAnswer) ? Click(pBox, nAnswer) : QTest::keyClick(pBox, Qt::Key_Escape);
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

// Guards against a switch that abandons a game with guesses unasked, or one asked about too often.
TEST_F(GameDlgTest, DictionarySwitchAsksOnlyOnceTheGameHasGuesses)
{
    // With no game and AutoStart off, only the flag and the player's choice change.
    m_dlg.OnCommand(204);
    EXPECT_EQ(m_player.m_nDict, 3);
    EXPECT_EQ(State(), "01||Anna");

    m_dlg.OnCommand(1405);
    m_dlg.OnCommand(202); // no guess yet
    m_dlg.OnCommand(202); // already current
    EXPECT_TRUE(m_modals.isEmpty());
    EXPECT_EQ(m_game.m_nDict * 10 + m_player.m_nDict, 11);
    Guess(QStringLiteral("QZXJ"));
    m_nAnswer = IDCANCEL;
    m_dlg.OnCommand(203);
    EXPECT_EQ(m_game.m_nDict, 1);
    EXPECT_EQ(m_dlg.Rows().size(), 1);
    m_nAnswer = IDOK;
    m_dlg.OnCommand(203);
    EXPECT_EQ(m_modals, QStringList(2, "If you select another dictionary, the game must be "
                                       "restarted.\nAbort the current game?"));
    EXPECT_TRUE(m_game.m_nDict == 2 && m_dlg.Rows().isEmpty() && !m_game.m_bFinished);
}

// Guards against the chooser's outcome being lost: its case even when cancelled, its dictionary.
TEST_F(GameDlgTest, DictionaryChooserSwitchesAndKeepsTheCase)
{
    m_fill = [](QWidget* pDlg) { Click(pDlg, 3008); };
    m_nAnswer = IDCANCEL;
    m_dlg.OnCommand(1402);
    EXPECT_TRUE(m_player.m_bLower);
    EXPECT_EQ(m_game.m_nDict, 0);
    m_fill = [](QWidget* pDlg) {
        auto* pList = qobject_cast<QListWidget*>(Item(pDlg, 3006));
        pList->setCurrentItem(pList->findItems(QStringLiteral("Deutsch"), Qt::MatchExactly)[0]);
    };
    m_nAnswer = IDOK;
    m_dlg.OnCommand(1402);
    EXPECT_EQ(m_modals, QStringList(2, "Dictionary"));
    EXPECT_EQ(m_game.m_nDict * 10 + m_player.m_nDict, 33);
    EXPECT_TRUE(m_player.m_bLower);
}

// Guards against Cheat revealing on the wrong answer, or marking a game it did not reveal.
TEST_F(GameDlgTest, CheatRevealsOnlyAfterYesThenNo)
{
    m_dlg.OnCommand(1405);
    m_answers = {IDOK, IDOK};
    m_dlg.OnCommand(1409);
    EXPECT_FALSE(m_game.m_bCheated);
    RecordingWavePlayer::Instance().Clear();
    m_answers = {IDOK, IDCANCEL};
    m_dlg.OnCommand(1409);
    EXPECT_TRUE(m_game.m_bCheated);
    EXPECT_EQ(m_modals.mid(2), (QStringList{"Are you sure you want to cheat?",
                                            "Don't you think it's more fun trying to guess it "
                                            "yourself?",
                                            "OK, then... the word is '" + m_game.GetWord() + "'"}));
    EXPECT_EQ(Sounds(), QList<int>{4011});
    m_game.m_bFinished = true;
    m_dlg.OnCommand(1409);
    EXPECT_EQ(m_modals.size(), 5);
}

// Guards against a hand-set word being scored as typed, or its win entering the table.
TEST_F(GameDlgTest, SetWordPlaysTheTypedWordAndWinsSilently)
{
    m_fill = [](QWidget* pDlg) { QTest::keyClicks(Item(pDlg, 3012), "abcd"); };
    m_dlg.OnCommand(1410);
    ASSERT_EQ(m_game.GetWord(), "ABCD");
    RecordingWavePlayer::Instance().Clear();
    Guess(QStringLiteral("ABCD"));
    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_FALSE(Sounds().contains(4000));
    EXPECT_EQ(m_table.GetCount(), 0);
    EXPECT_EQ(m_modals, QStringList{"Enter word:"});
}

// Guards against the player switch losing the current player's settings or the new player's
// dictionary.
TEST_F(GameDlgTest, PlayerButtonSavesThenLoadsTheChosenPlayer)
{
    CPlayerSettings bert(theApp.m_nProgLang);
    bert.m_strName = QStringLiteral("Bert");
    bert.m_nDict = 2;
    bert.Save();
    m_dlg.OnCommand(1405);
    Guess(QStringLiteral("QZXJ"));
    m_player.m_bLower = true;
    m_answers = {IDOK, IDCANCEL};
    QTest::mouseClick(Ctl(2003), Qt::LeftButton);
    EXPECT_EQ(m_dlg.Rows().size(), 1); // chooser cancelled
    m_fill = [](QWidget* pDlg) {
        if (auto* pList = qobject_cast<QListWidget*>(Item(pDlg, 3002)))
            pList->setCurrentItem(pList->findItems(QStringLiteral("Bert"), Qt::MatchExactly)[0]);
    };
    m_dlg.OnCommand(2003);
    EXPECT_EQ(State(), "40||Bert - 0:00");
    EXPECT_EQ(m_game.m_nDict, 2);
    m_player.Load(QStringLiteral("Anna"));
    EXPECT_TRUE(m_player.m_bLower);
}

// Guards against the language switch not reaching the next message, or taking invalid values.
TEST_F(GameDlgTest, ProgramLanguageCommandSwitchesTheNextMessage)
{
    m_dlg.OnCommand(1302);
    m_dlg.OnCommand(1303);
    EXPECT_EQ(theApp.m_nProgLang, 1);
    m_dlg.OnCommand(1405);
    Guess(QStringLiteral("QZXJ"));
    m_nAnswer = IDCANCEL;
    m_dlg.OnCommand(1405);
    theApp.m_nProgLang = 0;
    EXPECT_EQ(m_modals.value(0), theApp.LoadLangString(11012));
}
