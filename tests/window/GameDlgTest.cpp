#include "window/GameDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/PlayerDlg.h"
#include "game/GameRound.h"
#include "platform/TickClock.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"
#include "window/CommandTarget.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

std::uint32_t g_dwNow = 0;

// Stands in for the application: handles no command of its own and lets the player chooser
// pick the next player, whose dictionary the game takes.
struct FakeApp : CCommandTarget {
    bool OnCmdMsg(int, QWidget*) override { return false; }
    int SelectPlayer() override
    {
        CPlayerDlg dlg;
        const int nResult = dlg.DoModal();
        if (nResult == IDOK)
            m_pPlayer->Load(dlg.m_strName);
        m_pGame->m_nDict = m_pPlayer->m_nDict;
        return nResult;
    }
    CPlayerSettings* m_pPlayer = nullptr;
    CGameRound* m_pGame = nullptr;
};

// Anna's main window, English, opened without a game.
struct GameDlgTest : testing::Test {
    void SetUp() override
    {
        SetTickSource([] { return g_dwNow; });
        AppCore().m_bAutoStart = false, AppCore().SetPlayer(&m_player);
        m_player.m_strName = QStringLiteral("Anna"), m_game.m_nDict = 0;
        m_dlg.m_pGame = &m_game, m_dlg.m_pPlayer = &m_player, m_dlg.m_pHighScores = &m_table;
        m_app.m_pPlayer = &m_player;
        m_app.m_pGame = &m_game;
        m_dlg.m_pCommands = &m_app;
        m_dlg.Create(), m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override { AppCore().SetPlayer(nullptr); }
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
        QString str;
        int nOn = 0;
        for (int nId = 2200; nId <= 2203; ++nId)
            str += Text(Ctl(nId)), nOn += Ctl(nId)->isEnabled();
        return QString("%1%2|%3|").arg(nOn).arg(Ctl(IDOK)->isEnabled()).arg(str) + Text(Ctl(2003));
    }

    TempRegistry m_registry;
    CHighScoreTable m_table;
    CGameRound m_game;
    CPlayerSettings m_player{AppCore().m_nProgLang};
    FakeApp m_app;
    CGameDlg m_dlg;
    // Each modal's text or title; m_fill acts on it, then m_answers' next (or IDOK) closes it.
    QStringList m_modals;
    std::function<void(QWidget*)> m_fill = [](QWidget*) {};
    QList<int> m_answers;
    ModalWatcher m_watcher{[this](QWidget* pBox) {
        m_modals << (Item(pBox, 3005) ? Text(Item(pBox, 3005)) : pBox->windowTitle());
        m_fill(pBox);
        const int nAnswer = m_answers.isEmpty() ? IDOK : m_answers.takeFirst();
        Button(pBox, nAnswer) ? Click(pBox, nAnswer) : QTest::keyClick(pBox, Qt::Key_Escape);
    }};
};

} // namespace

// Guards against controls drifting from the game, misplaced rows, and aborts unasked or unheeded.
TEST_F(GameDlgTest, RowsStackNewestFirstAndAbortingThemAsksFirst)
{
    const QSize initial = m_dlg.size();
    EXPECT_EQ(State(), "01||Anna");
    QTest::keyClick(Ctl(IDOK), Qt::Key_Space);
    Guess(QStringLiteral("QZXJ"), ""); // in no list
    EXPECT_EQ(State(), "41|QZXJ|Anna - 0:00");
    for (int i = 0; i < 3; ++i)
        Guess(i ? QStringLiteral("QZXJ") : QString());
    const QList<CBaseDlg*>& rows = m_dlg.Rows();
    ASSERT_EQ(rows.size(), 3);
    const int nRowHeight = rows[0]->height();
    EXPECT_EQ(m_dlg.size(), initial + QSize(0, 3 * nRowHeight));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i]->pos(), QPoint(0, initial.height() + (2 - i) * nRowHeight)) << i;
        EXPECT_EQ(Text(Item(rows[i], 2002)) + Text(Item(rows[i], 2200)) + Text(Item(rows[i], 2203)),
                  QString::number(i + 1) + "QJ");
    }
    EXPECT_EQ(State(), "40||Anna - 0:00");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(2200));

    m_answers = {IDCANCEL};
    m_dlg.OnCommand(1302); // asks in Dutch
    QTest::keyClick(&m_dlg, Qt::Key_Escape);
    m_dlg.OnCommand(1301);
    EXPECT_TRUE(m_dlg.isVisible() && rows.size() == 3);
    m_game.m_nDict = 6; // without a word list no game runs
    m_dlg.OnCommand(1405);
    EXPECT_TRUE(rows.isEmpty() && m_dlg.size() == initial);
    EXPECT_EQ(State(), "01||Anna - 0:00");
    RecordingWavePlayer::Instance().Clear();
    m_dlg.OnCommand(1408); // no game: no question
    EXPECT_EQ(m_modals, (QStringList{AppCore().LoadLangString(11012),
                                     "Are you sure you want to abort the current game?"}));
    EXPECT_TRUE(!m_dlg.isVisible() && m_dlg.result() == IDCANCEL);
    EXPECT_EQ(Sounds(), QList<int>{4007});
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}

// Guards against a wrong Cheat, an unscored or open win, a dishonest entry, or needless notices.
TEST_F(GameDlgTest, CheatSetWordAndWinsWhereOnlyHonestWinsEnterTheTable)
{
    m_dlg.OnCommand(1405);
    m_dlg.OnCommand(1409); // Yes, Yes: not revealed
    EXPECT_FALSE(m_game.m_bCheated);
    m_answers = {IDOK, IDCANCEL};
    m_dlg.OnCommand(1409);
    EXPECT_TRUE(m_modals.value(2).contains("cheat") && m_modals.value(3).contains("more fun"));
    EXPECT_EQ(m_modals.value(4), "OK, then... the word is '" + m_game.GetWord() + "'");
    EXPECT_EQ(Sounds().mid(1), (QList<int>{4011, 4011})); // after the new game's
    Guess(m_game.GetWord());
    m_dlg.OnCommand(1409); // finished: no question
    m_fill = [](QWidget* pDlg) { QTest::keyClicks(Item(pDlg, 3012), "word"); };
    m_dlg.OnCommand(1410);
    m_fill = [](QWidget*) {};
    Guess(QStringLiteral("WORD"));
    EXPECT_EQ(State().left(2), "01");
    Guess({}); // Return on the go button starts the next game at once
    g_dwNow += 83000;
    const QString strWord = m_game.GetWord();
    Guess(strWord);
    EXPECT_EQ(State(), "01|" + strWord + "|Anna - 1:23");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDOK));
    EXPECT_EQ(Sounds().count(4000), 1);
    EXPECT_EQ(Sounds().mid(Sounds().size() - 2), (QList<int>{4001, 4000}));
    // Entries beating none get no notice, but every one in a full table does.
    for (int nSeconds : {90, 92, 94, 96, 98, 100, 102, 85, 104, 103}) {
        m_dlg.OnCommand(1405);
        g_dwNow += nSeconds * 1000;
        Guess(m_game.GetWord());
    }
    EXPECT_EQ(m_modals.mid(5),
              (QStringList{"Enter word:", "High Score: # 2!", "High Score: # 10!"}));
}

// Guards against switches unasked or asked needlessly, and a chooser losing its choice or case.
TEST_F(GameDlgTest, DictionarySwitchAsksOnlyOnceTheGameHasGuesses)
{
    m_dlg.OnCommand(204); // no game and AutoStart off: starts none
    EXPECT_TRUE(m_player.m_nDict == 3 && m_game.m_bFinished);
    m_dlg.OnCommand(1405);
    m_dlg.OnCommand(202); // no guess yet
    EXPECT_EQ(m_game.m_nDict * 10 + m_player.m_nDict, 11);
    Guess(QStringLiteral("QZXJ"));
    m_dlg.OnCommand(202); // already current
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(203);
    EXPECT_TRUE(m_game.m_nDict == 1 && m_dlg.Rows().size() == 1);
    m_dlg.OnCommand(203);
    EXPECT_EQ(m_modals, QStringList(2, "If you select another dictionary, the game must be "
                                       "restarted.\nAbort the current game?"));
    EXPECT_TRUE(m_game.m_nDict == 2 && m_dlg.Rows().isEmpty() && !m_game.m_bFinished);
    m_fill = [](QWidget* pDlg) {
        Click(pDlg, 3008); // the case, which counts even when the chooser is cancelled
        auto* pList = qobject_cast<QListWidget*>(Item(pDlg, 3006));
        pList->setCurrentItem(pList->findItems(QStringLiteral("Deutsch"), Qt::MatchExactly)[0]);
    };
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(1402);
    EXPECT_TRUE(m_player.m_bLower && m_game.m_nDict == 2);
    m_dlg.OnCommand(1402);
    EXPECT_EQ(m_game.m_nDict * 10 + m_player.m_nDict, 33);
    EXPECT_FALSE(m_player.m_bLower);
}

// Guards against confirming sound off, and a player switch losing either player's settings.
TEST_F(GameDlgTest, SoundSwitchAndPlayerButtonKeepEachPlayersSettings)
{
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\Bert")).SetInt(QStringLiteral("Dict"), 2);
    for (int i = 0; i < 3; ++i)
        m_dlg.OnCommand(1404); // off, on, off
    EXPECT_EQ(Sounds(), QList<int>{4012});
    m_dlg.OnCommand(1405);
    Guess(QStringLiteral("QZXJ"));
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
    EXPECT_FALSE(m_player.m_bSound);
}
