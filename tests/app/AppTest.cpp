// Start-up from stored settings to the main window, and help beside it; no other layer runs them.
#include "app/GameApp.h"
#include "appcore/AppCore.h"
#include "dialogs/HelpDlg.h"
#include "game/GameRound.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"
#include "window/GameDlg.h"

#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// clang-format off
struct StartRow {
    const char* name;
    QList<std::pair<const char*, int>> settings; // stored before the start
    bool bPlayedBefore, bCancelChooser;          // Piet, who is then the last player
    QStringList windows; // each window's prompt or title; "game" or "main" for the main window
    int storedLang, storedAutoStart, pietsDict; // after
};
const StartRow START_ROWS[] = {
    {"FirstRunAsksLanguageThenNameAndPlays", {}, false, false, {"Select Language", "Please enter your name:", "game", "help closes"}, 0, 1, 0},
    {"InvalidLanguageIsAskedAndStoredThoughTheChooserIsCancelled", {{"ProgLang", 6}}, true, true, {"Select Language", "Please select your name:"}, 0, 1, 0},
    {"AutoStartOffOpensTheWindowWithoutAGame", {{"AutoStart", 0}}, true, false, {"Please select your name:", "main", "help closes"}, 0, 0, 0},
};

struct HelpRow {
    const char* name;
    double left, width; // the main window's, in screen widths
    const char* does;   // 'h' Help (F1 once it is open), 'm' move it, 'e' Esc, 'r' Return, 'n' Dutch, 'x' no language, 'c' main closes
    QString side;       // where help then stands, on the screen beside the main window, or "closed"
    QList<int> sounds;
    const char* text;   // how help's text then begins
};
const HelpRow HELP_ROWS[] = {
    {"OpensAtTheLeftWhereTheRightHasNoRoom", 0.8, 0.2, "h", "left", {SND_WINDOW_OPEN}, "Try to guess the secret word!"},
    {"MovesTheMainWindowAsideWhereNeitherSideHasRoom", 0.3, 0.4, "h", "right", {SND_WINDOW_OPEN}, ""},
    {"HelpAgainBringsTheSameWindowBackAndItFollowsALanguageSwitchButNotToAnUnknownOne", 0.1, 0.2, "hmhnx", "right", {SND_WINDOW_OPEN}, "Probeer het"},
    {"HelpRightAfterEnterOpensAFreshWindow", 0.1, 0.2, "hrh", "right", {SND_WINDOW_OPEN, SND_WINDOW_CLOSED, SND_WINDOW_OPEN}, ""},
    {"ClosingWithTheMainWindowOrByEscapeSoundsToTheEnd", 0.1, 0.2, "hche", "closed", {SND_WINDOW_OPEN, SND_WINDOW_CLOSED, SND_WINDOW_OPEN, SND_WINDOW_CLOSED}, ""},
};
// clang-format on

// Help beside the running game takes Escape through the window system, as from a keyboard.
static QString HelpClosesByEscape(QWidget* pMain)
{
    theApp.OnCmdMsg(ID_HELP, pMain);
    const QPointer<CHelpDlg> pHelp = theApp.m_pHelpDlg; // gone once closed
    EXPECT_TRUE(QTest::qWaitForWindowExposed(pHelp));
    QTest::keyClick(pHelp->windowHandle(), Qt::Key_Escape);
    return pHelp && pHelp->isVisible() ? "help stays" : "help closes";
}

static QStringList Start(bool bCancelChooser)
{
    QStringList windows;
    ModalWatcher driver([&](QWidget* pWnd) {
        const QWidget* pPrompt = Item(pWnd, IDC_TEXT);
        const auto* pMain = qobject_cast<CGameDlg*>(pWnd);
        windows << (pMain     ? pMain->m_pGame->m_bFinished ? "main" : "game"
                    : pPrompt ? pPrompt->property("text").toString()
                              : pWnd->windowTitle());
        if (pMain)
            windows << HelpClosesByEscape(pWnd);
        if (QWidget* pName = Item(pWnd, IDC_NAME))
            pName->setProperty("text", "Piet");
        if (pMain || (bCancelChooser && Item(pWnd, IDC_PLAYERS)))
            QTest::keyClick(pWnd, Qt::Key_Escape);
        else
            Click(pWnd, pPrompt ? IDOK : IDC_FIRST_LANGUAGE); // English
    });
    theApp.InitInstance();
    return windows;
}
static int Stored(HKEY hRoot, const char* pszKey, const char* pszValue)
{
    int nValue = -1; // none
    CRegKey(hRoot, pszKey).GetInt(pszValue, nValue);
    return nValue;
}
static const auto ByName = [](const auto& info) { return std::string(info.param.name); };
using Startup = testing::TestWithParam<StartRow>;
using HelpCommandTest = testing::TestWithParam<HelpRow>;

TEST_P(Startup, AsksAndStores)
{
    const StartRow& row = GetParam();
    const TempRegistry registry;
    if (row.bPlayedBefore)
        Start(false);
    for (const auto& [pszName, nValue] : row.settings)
        CRegKey(HKEY_CURRENT_USER, "Settings").SetInt(pszName, nValue);
    EXPECT_EQ(Start(row.bCancelChooser), row.windows);
    EXPECT_EQ(theApp.m_pGame, nullptr); // nothing of the run is left behind
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, "Settings", "ProgLang"), row.storedLang);
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, "Settings", "AutoStart"), row.storedAutoStart);
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Players\\Piet", "Dict"), row.pietsDict);
}
INSTANTIATE_TEST_SUITE_P(, Startup, testing::ValuesIn(START_ROWS), ByName);

// Each index as stored: a program language is kept, speaks from the first window on and is a new
// player's dictionary; any other is asked for, and the chooser's English kept.
TEST(StoredLanguage, IsKeptForEachProgramLanguageAndAskedForAnyOther)
{
    const std::pair<int, int> kept[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5},
                                        {6, 0},  {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 0}};
    for (const auto& [nStored, nKept] : kept) {
        SCOPED_TRACE(nStored);
        const TempRegistry registry;
        CRegKey(HKEY_CURRENT_USER, "Settings").SetInt("ProgLang", nStored);
        const QStringList windows = Start(false);
        EXPECT_EQ(windows.indexOf("Select Language"), nStored == nKept ? -1 : 0);
        EXPECT_EQ(windows.value(nStored == nKept ? 0 : 1), AppCore().LoadLangString(IDS_ENTER_NAME));
        EXPECT_EQ(Stored(HKEY_CURRENT_USER, "Settings", "ProgLang"), nKept);
        EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Players\\Piet", "Dict"), nKept);
    }
}

TEST_P(HelpCommandTest, StandsBesideTheMainWindow)
{
    const HelpRow& row = GetParam();
    static const CPlayerSettings player(0); // sound on
    AppCore().SetPlayer(&player);
    AppCore().SetProgLang(0);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget mainWnd; // takes help with it when it goes
    mainWnd.setGeometry(screen.width() * row.left, 80, screen.width() * row.width, 150);
    mainWnd.show();
    RecordingWavePlayer::Instance().Clear();
    // clang-format off
    const QHash<char, std::function<void()>> act = {
        {'h', [&] { EXPECT_TRUE(theApp.OnCmdMsg(theApp.m_pHelpDlg ? ID_HELP_INDEX : ID_HELP, &mainWnd)); }},
        {'m', [] { theApp.m_pHelpDlg->move(0, 0); }}, {'c', [] { delete theApp.m_pHelpDlg; }},
        {'e', [] { QTest::keyClick(theApp.m_pHelpDlg, Qt::Key_Escape); }},
        {'r', [] { QTest::keyClick(theApp.m_pHelpDlg, Qt::Key_Return); }},
        {'n', [] { AppCore().SetProgLang(1); }}, {'x', [] { AppCore().SetProgLang(6); }}};
    // clang-format on
    for (const char* p = row.does; *p; ++p)
        act[*p]();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // of closed windows
    CHelpDlg* pHelp = theApp.m_pHelpDlg;
    const QRect help = pHelp ? pHelp->frameGeometry() : QRect();
    const QRect main = mainWnd.frameGeometry();
    if (pHelp && help.width() + main.width() > screen.width())
        GTEST_SKIP() << "the screen is too small for both";
    const QString strSide = !pHelp                                             ? "closed"
                            : !screen.contains(help)                           ? "off screen"
                            : help.topLeft() == main.topRight() + QPoint(1, 0) ? "right"
                            : help.topRight() + QPoint(1, 0) == main.topLeft() ? "left"
                                                                               : "elsewhere";
    EXPECT_EQ(strSide, row.side);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), row.sounds);
    const auto& last = RecordingWavePlayer::Instance().Calls().constLast(); // only a close waits
    EXPECT_EQ(last.bAsync, last.nSoundId == SND_WINDOW_OPEN);
    const QString strText = pHelp ? pHelp->GetDlgItem(IDC_TEXT)->property("text").toString() : "";
    EXPECT_TRUE(strText.startsWith(row.text)) << strText.toStdString();
    EXPECT_TRUE(!pHelp || QTest::qWaitForWindowActive(pHelp)) << "help shown but not active";
}
INSTANTIATE_TEST_SUITE_P(, HelpCommandTest, testing::ValuesIn(HELP_ROWS), ByName);
