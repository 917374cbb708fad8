#include "window/GameDlg.h"
#include "appcore/AppCore.h"
#include "platform/TickClock.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"
#include "window/FakeApp.h"
#include "window/GuessRow.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int FRENCH = 2;
constexpr int GERMAN = 3;
constexpr int US_ENGLISH = 6; // without a word list no game runs

const QString ABORT_GAME = QStringLiteral("Are you sure you want to abort the current game?");

std::uint32_t g_dwNow = 0;

// Anna's main window, English, opened without a game, with her sound on.
struct GameDlgTest : testing::Test, MainWindowRig {
    void SetUp() override
    {
        SetTickSource([] { return g_dwNow; });
        Open(false);
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        m_initialSize = m_dlg.size();
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override
    {
        AppCore().SetPlayer(nullptr);
        AppCore().SetProgLang(ENGLISH);
    }

    // Types into the window's focus child, as a player would.
    void Guess(const QString& strWord, const char* pszEnd = "\r")
    {
        for (QChar ch : strWord + pszEnd)
            QTest::keyClick(m_dlg.focusWidget(), ch.toLatin1());
    }
    void StartWithARow()
    {
        m_dlg.OnCommand(ID_NEW_GAME);
        Guess(QStringLiteral("QZXJ")); // in no list
    }
    void Win(int nSeconds)
    {
        m_dlg.OnCommand(ID_NEW_GAME);
        g_dwNow += nSeconds * 1000;
        Guess(m_game.GetWord());
    }
    QWidget* Ctl(int nId) const { return m_dlg.GetDlgItem(nId); }
    static QString Text(const QWidget* pItem) { return pItem->property("text").toString(); }
    int CellsOn() const
    {
        int nOn = 0;
        for (int nId = IDC_FIRST_LETTER; nId <= IDC_LAST_LETTER; ++nId)
            nOn += Ctl(nId)->isEnabled();
        return nOn;
    }
    QString Letters() const
    {
        QString str;
        for (int nId = IDC_FIRST_LETTER; nId <= IDC_LAST_LETTER; ++nId)
            str += Text(Ctl(nId));
        return str;
    }
    bool GoOn() const { return Ctl(IDOK)->isEnabled(); }
    QString PlayerText() const { return Text(Ctl(IDC_PLAYER)); }
    static QList<int> Sounds() { return RecordingWavePlayer::Instance().SoundIds(); }

    QSize m_initialSize;
    // Each modal's text or title; m_fill acts on it, then m_answers' next (or IDOK) closes it.
    QStringList m_modals;
    std::function<void(QWidget*)> m_fill = [](QWidget*) {};
    QList<int> m_answers;
    ModalWatcher m_watcher{[this](QWidget* pBox) {
        m_modals << (Item(pBox, IDC_TEXT) ? Text(Item(pBox, IDC_TEXT)) : pBox->windowTitle());
        m_fill(pBox);
        const int nAnswer = m_answers.isEmpty() ? IDOK : m_answers.takeFirst();
        if (Button(pBox, nAnswer))
            Click(pBox, nAnswer);
        else
            QTest::keyClick(pBox, Qt::Key_Escape);
    }};
};

} // namespace

TEST_F(GameDlgTest, WithAutoStartOffOnlyTheGoButtonStartsAGameTimedBesideThePlayer)
{
    EXPECT_EQ(CellsOn(), 0);
    EXPECT_TRUE(GoOn());
    EXPECT_EQ(PlayerText(), "Anna");
    QTest::keyClick(Ctl(IDOK), Qt::Key_Space);
    EXPECT_EQ(CellsOn(), 4);
    EXPECT_FALSE(GoOn()); // until all four cells are filled
    Guess(QStringLiteral("QZXJ"), "");
    EXPECT_TRUE(GoOn());
    EXPECT_EQ(Letters(), "QZXJ");
    EXPECT_EQ(PlayerText(), "Anna - 0:00");
}

// Guards against rows misplaced or mislabelled, or an entry row left full.
TEST_F(GameDlgTest, EachGuessDropsARowNewestOnTopAndEmptiesTheEntryRow)
{
    m_dlg.OnCommand(ID_NEW_GAME);
    for (int i = 0; i < 3; ++i)
        Guess(QStringLiteral("QZXJ"));
    const QList<CGuessRow*>& rows = m_dlg.Rows();
    ASSERT_EQ(rows.size(), 3);
    const int nRowHeight = rows[0]->height();
    EXPECT_EQ(m_dlg.size(), m_initialSize + QSize(0, 3 * nRowHeight));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i]->pos(), QPoint(0, m_initialSize.height() + (2 - i) * nRowHeight)) << i;
        EXPECT_EQ(Text(Item(rows[i], IDC_ROW_NUMBER)), QString::number(i + 1)) << i;
        EXPECT_EQ(Text(Item(rows[i], IDC_FIRST_LETTER)), "Q") << i;
        EXPECT_EQ(Text(Item(rows[i], IDC_LAST_LETTER)), "J") << i;
    }
    EXPECT_EQ(CellsOn(), 4);
    EXPECT_FALSE(GoOn());
    EXPECT_EQ(Letters(), "");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDC_FIRST_LETTER));
}

// Guards against a question in a language the player did not choose, or an answer not heeded.
TEST_F(GameDlgTest, AbortingAGameWithGuessesAsksInTheProgramLanguageAndYesClearsTheBoard)
{
    StartWithARow();
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(ID_FIRST_PROG_LANG + DUTCH);
    QTest::keyClick(&m_dlg, Qt::Key_Escape);
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_EQ(m_dlg.Rows().size(), 1);
    m_dlg.OnCommand(ID_FIRST_PROG_LANG + ENGLISH);
    m_game.m_nDict = US_ENGLISH;
    m_dlg.OnCommand(ID_NEW_GAME);
    EXPECT_EQ(m_modals, (QStringList{"Wil je het spel afbreken?", ABORT_GAME}));
    EXPECT_TRUE(m_dlg.Rows().isEmpty());
    EXPECT_EQ(m_dlg.size(), m_initialSize);
}

// Guards against a question without a game, or an exit sound cut short as the program ends.
TEST_F(GameDlgTest, ExitWithoutAGameAsksNothingAndPlaysItsSoundToTheEnd)
{
    m_dlg.OnCommand(ID_EXIT);
    EXPECT_EQ(m_modals, QStringList());
    EXPECT_FALSE(m_dlg.isVisible());
    EXPECT_EQ(m_dlg.result(), IDCANCEL);
    ASSERT_EQ(Sounds(), QList<int>{SND_EXIT});
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[0].bAsync);
}

// Guards against the word revealed on Yes to "more fun", or asked about once the game is over.
TEST_F(GameDlgTest, CheatRevealsTheWordOnlyAfterYesAndThenNo)
{
    m_dlg.OnCommand(ID_NEW_GAME);
    RecordingWavePlayer::Instance().Clear();
    m_dlg.OnCommand(ID_CHEAT); // Yes, Yes
    EXPECT_FALSE(m_game.m_bCheated);
    m_answers = {IDOK, IDCANCEL};
    m_dlg.OnCommand(ID_CHEAT);
    EXPECT_TRUE(m_game.m_bCheated);
    const QString strCheat = QStringLiteral("Are you sure you want to cheat?");
    const QString strFun =
        QStringLiteral("Don't you think it's more fun trying to guess it yourself?");
    EXPECT_EQ(m_modals, (QStringList{strCheat, strFun, strCheat, strFun,
                                     "OK, then... the word is '" + m_game.GetWord() + "'"}));
    EXPECT_EQ(Sounds(), QList<int>(2, SND_CHEAT_QUESTION));
    Guess(m_game.GetWord());
    m_dlg.OnCommand(ID_CHEAT);
    EXPECT_EQ(m_modals.size(), 5);
}

// Guards against a hand-set word scored or celebrated.
TEST_F(GameDlgTest, SetWordStartsAGameWithThatWordWhoseWinGoesUnscored)
{
    m_fill = [](QWidget* pDlg) { QTest::keyClicks(Item(pDlg, IDC_WORD), "word"); };
    m_dlg.OnCommand(ID_SET_WORD); // no game: no question first
    Guess(QStringLiteral("WORD"));
    EXPECT_EQ(m_modals, QStringList{"Enter word:"});
    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_FALSE(Sounds().contains(SND_WIN));
    EXPECT_EQ(m_table.GetCount(), 0);
}

TEST_F(GameDlgTest, AnHonestWinStopsTheClockAndEntersTheTable)
{
    Win(83);
    EXPECT_EQ(CellsOn(), 0);
    EXPECT_TRUE(GoOn());
    EXPECT_EQ(Letters(), m_game.GetWord());
    EXPECT_EQ(PlayerText(), "Anna - 1:23");
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDOK));
    EXPECT_EQ(Sounds().mid(Sounds().size() - 2), (QList<int>{SND_ROW, SND_WIN}));
    EXPECT_EQ(Sounds().count(SND_WIN), 1);
    EXPECT_EQ(m_table.GetCount(), 1);
    Guess({}); // Return on the go button starts the next game without a question
    EXPECT_FALSE(m_game.m_bFinished);
    EXPECT_EQ(m_modals, QStringList());
}

// Guards against a notice for every entry, or none for a place in a full table.
TEST_F(GameDlgTest, OnlyAWinThatBeatsAnEntryOrEntersAFullTableGetsANotice)
{
    for (int nSeconds : {83, 90, 92, 94, 96, 98, 100, 102, 85, 104, 103})
        Win(nSeconds);
    EXPECT_EQ(m_modals, (QStringList{"High Score: # 2!", "High Score: # 10!"}));
}

// Guards against a switch that starts a game unasked, asks without guesses or for the current
// dictionary, or ignores the answer.
TEST_F(GameDlgTest, ADictionarySwitchAsksOnlyOnceTheGameHasGuesses)
{
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + GERMAN); // no game, and AutoStart off: none starts
    EXPECT_EQ(m_player.m_nDict, GERMAN);
    EXPECT_TRUE(m_game.m_bFinished);
    m_dlg.OnCommand(ID_NEW_GAME);
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + DUTCH);
    EXPECT_EQ(m_game.m_nDict, DUTCH);
    EXPECT_EQ(m_player.m_nDict, DUTCH);
    Guess(QStringLiteral("QZXJ"));
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + DUTCH);
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + FRENCH);
    EXPECT_EQ(m_game.m_nDict, DUTCH);
    EXPECT_EQ(m_dlg.Rows().size(), 1);
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + FRENCH);
    EXPECT_EQ(m_modals, QStringList(2, "If you select another dictionary, the game must be "
                                       "restarted.\nAbort the current game?"));
    EXPECT_EQ(m_game.m_nDict, FRENCH);
    EXPECT_TRUE(m_dlg.Rows().isEmpty());
    EXPECT_FALSE(m_game.m_bFinished);
}

// Guards against a chooser losing its choice, or the case switched in a cancelled one.
TEST_F(GameDlgTest, TheDictionaryChooserSwitchesOnSelectAndKeepsTheCaseEvenWhenCancelled)
{
    m_fill = [](QWidget* pDlg) {
        Click(pDlg, IDC_PICTURE); // switches the case
        auto* pList = qobject_cast<QListWidget*>(Item(pDlg, IDC_DICTIONARIES));
        pList->setCurrentItem(pList->findItems(QStringLiteral("Deutsch"), Qt::MatchExactly)[0]);
    };
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(ID_DICTIONARY_INFO);
    EXPECT_TRUE(m_player.m_bLower);
    EXPECT_EQ(m_game.m_nDict, ENGLISH);
    m_dlg.OnCommand(ID_DICTIONARY_INFO);
    EXPECT_FALSE(m_player.m_bLower);
    EXPECT_EQ(m_game.m_nDict, GERMAN);
    EXPECT_EQ(m_player.m_nDict, GERMAN);
}

// Guards against confirming sound off, a player switch unasked, or one losing either player's
// settings.
TEST_F(GameDlgTest, ThePlayerButtonAsksAndSwitchesToTheChosenPlayerKeepingEachOnesSettings)
{
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\Bert")).SetInt(QStringLiteral("Dict"), 2);
    for (int i = 0; i < 3; ++i)
        m_dlg.OnCommand(ID_SOUND); // off, on, off
    EXPECT_EQ(Sounds(), QList<int>{SND_SOUND_ON});
    StartWithARow();
    m_answers = {IDOK, IDCANCEL};
    QTest::mouseClick(Ctl(IDC_PLAYER), Qt::LeftButton);
    EXPECT_EQ(m_modals, (QStringList{"If you select another player, the game must be restarted."
                                     "\nAbort the current game?",
                                     "Please select your name:"}));
    EXPECT_EQ(m_dlg.Rows().size(), 1); // the chooser was cancelled
    m_fill = [](QWidget* pDlg) {
        if (auto* pList = qobject_cast<QListWidget*>(Item(pDlg, IDC_PLAYERS)))
            pList->setCurrentItem(pList->findItems(QStringLiteral("Bert"), Qt::MatchExactly)[0]);
    };
    m_dlg.OnCommand(IDC_PLAYER);
    EXPECT_EQ(PlayerText(), "Bert - 0:00");
    EXPECT_EQ(m_game.m_nDict, FRENCH);
    EXPECT_TRUE(m_dlg.Rows().isEmpty()); // a new game
    m_player.Load(QStringLiteral("Anna"));
    EXPECT_FALSE(m_player.m_bSound);
}

// Guards against a game counted as given up when it had no guesses or the answer was No, or
// counted for the player or dictionary that comes next instead of the one it was played for.
TEST_F(GameDlgTest, AGameGivenUpAfterItsFirstGuessCountsForItsPlayerAndDictionary)
{
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\Bert"))
        .SetInt(QStringLiteral("Dict"), GERMAN);
    m_dlg.OnCommand(ID_NEW_GAME);
    m_dlg.OnCommand(ID_NEW_GAME);
    Guess(QStringLiteral("QZXJ"));
    m_answers = {IDCANCEL};
    m_dlg.OnCommand(ID_NEW_GAME);
    m_dlg.OnCommand(ID_NEW_GAME);
    Guess(QStringLiteral("QZXJ"));
    m_dlg.OnCommand(IDR_FIRST_DICTIONARY + FRENCH);
    Guess(QStringLiteral("QZXJ"));
    m_fill = [](QWidget* pDlg) {
        if (auto* pList = qobject_cast<QListWidget*>(Item(pDlg, IDC_PLAYERS)))
            pList->setCurrentItem(pList->findItems(QStringLiteral("Bert"), Qt::MatchExactly)[0]);
    };
    m_dlg.OnCommand(IDC_PLAYER);
    Guess(QStringLiteral("QZXJ"));
    m_dlg.OnCommand(ID_EXIT);

    EXPECT_EQ(ReadStatistics(QStringLiteral("Anna"), ENGLISH).m_nAbandoned, 2);
    EXPECT_EQ(ReadStatistics(QStringLiteral("Anna"), FRENCH).m_nAbandoned, 1);
    EXPECT_EQ(ReadStatistics(QStringLiteral("Anna"), ALL_DICTIONARIES).m_nAbandoned, 3);
    EXPECT_EQ(ReadStatistics(QStringLiteral("Bert"), GERMAN).m_nAbandoned, 1);
    EXPECT_EQ(ReadStatistics(QStringLiteral("Bert"), ALL_DICTIONARIES).m_nAbandoned, 1);
}

// Guards against counting a game whose word was revealed or set, whichever way it ends, or
// Set Word replacing an honest game with guesses without counting it.
TEST_F(GameDlgTest, OnlyHonestGamesCountAndAWinCountsItsTimeAndGuesses)
{
    Win(83);
    m_dlg.OnCommand(ID_NEW_GAME);
    m_answers = {IDOK, IDCANCEL};
    m_dlg.OnCommand(ID_CHEAT);
    Guess(QStringLiteral("QZXJ"));
    m_dlg.OnCommand(ID_NEW_GAME);
    Guess(QStringLiteral("QZXJ"));
    m_fill = [](QWidget* pDlg) {
        if (QWidget* pWord = Item(pDlg, IDC_WORD))
            QTest::keyClicks(pWord, "word");
    };
    m_dlg.OnCommand(ID_SET_WORD);
    Guess(QStringLiteral("WORD"));

    const CStatistics stats = ReadStatistics(QStringLiteral("Anna"), ENGLISH);
    EXPECT_EQ(stats.m_nWon, 1);
    EXPECT_EQ(stats.m_nAbandoned, 1);
    EXPECT_EQ(stats.m_nBestSeconds, 83);
    EXPECT_EQ(stats.m_anWonByBar[GuessBar(1)], 1);
}
