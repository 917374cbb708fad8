// The main window and its flag menu as a player uses them; no other layer drives them.
#include "window/GameDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/PlayerDlg.h"
#include "game/GameRound.h"
#include "platform/Icons.h"
#include "platform/TickClock.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"
#include "window/CommandTarget.h"
#include "window/FlagButton.h"
#include "window/GuessRow.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <cstring>

namespace
{

constexpr int ENGLISH = 0, DUTCH = 1, FRENCH = 2, GERMAN = 3; // French is Bert's
const QString ABORT = "Are you sure you want to abort the current game?";
const QString CHEATING = "Are you sure you want to cheat?,Don't you think it's more fun trying to "
                         "guess it yourself?";
const QString RESTART = "If you %1, the game must be restarted.\nAbort the current game?";
const QString HINT = "A hint keeps this game out of the high scores and statistics. Take a hint?";
std::uint32_t g_dwNow = 0;

struct Step { // one thing the player does
    enum Kind { Command, Keys, Key, Click, Win, Word, MenuRequest, ReaderPress, Maximise } kind;
    int n = 0; // the command, key or control, or the seconds a win takes
    const char* text = "";
    Qt::KeyboardModifiers modifiers = {};
    Qt::MouseButton button = Qt::LeftButton;
};
const auto Cmd = [](int nId) { return Step{Step::Command, nId}; };
const auto Type = [](const char* pszKeys) { return Step{Step::Keys, 0, pszKeys}; };
const auto Press = [](int k, Qt::KeyboardModifiers m = {}) { return Step{Step::Key, k, "", m}; };
const auto ClickOn = [](int nId, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton) {
    return Step{Step::Click, nId, "", m, b};
};
const auto Win = [](int nSeconds) { return Step{Step::Win, nSeconds}; }; // a new game won as BEAR
const auto Word = [](const char* pszWord) { return Step{Step::Word, 0, pszWord}; }; // as if drawn
const Step GUESS = Type("QZXJ\r"); // in no word list

// The answer to a dialog: what is chosen in its list or typed into its field, then the button.
struct Answer {
    int nButton = IDOK;
    const char* pick = nullptr;
    bool bSwitchCase = false; // the dictionary chooser's flag clicked
};
constexpr Answer YES{IDOK}, NO{IDCANCEL};

// What the player then sees; nArg names the dictionary or icon looked at.
struct Look {
    const char* what;
    QString expected;
    int nArg = ENGLISH;
    const char* who = "Anna";
};

QString Ids(const QList<int>& ids)
{
    QStringList texts;
    for (int nId : ids)
        texts << QString::number(nId);
    return texts.join(u',');
}

// The commands of the items in the menu and its popups that pass the test.
QList<int> MenuIds(const QMenu& menu, const std::function<bool(const QAction*)>& fnTest)
{
    QList<int> ids;
    for (const QAction* pAction : menu.actions()) {
        if (pAction->menu())
            ids << MenuIds(*pAction->menu(), fnTest);
        else if (!pAction->isSeparator() && fnTest(pAction))
            ids << pAction->data().toInt();
    }
    return ids;
}

struct Row {
    const char* name;
    bool bAutoStart;
    QList<Step> steps;
    QList<Look> looks;
    QList<Answer> answers = {};
    QList<int> inMenus = {}; // chosen in each menu (-1 - n: a reader presses item n), else Escape
    QString player = "Anna";
    bool bWaylandOnly = false;
};

// ID_FIRST_PROG_LANG + the index of every dictionary with a word list: all but US English, 6.
const QString PROGRAM_LANGUAGES = Ids({1301, 1302, 1303, 1304, 1305, 1306, 1308, 1309, 1310, 1311});
const QString TYPED_BEAR = Ids({SND_LETTER, SND_LETTER, SND_LETTER, SND_LETTER, SND_ROW});

// clang-format off
const Row ROWS[] = {
    {"AutoStartOffOpensWithoutAGameAndADictionarySwitchStartsNone", false, {Cmd(IDR_FIRST_DICTIONARY + GERMAN)},
     {{"CellsOn", "0000"}, {"GoOn", "true"}, {"Player", "‹Anna›"}, {"Questions", ""},
      {"FlagSays", "Dictionary: Deutsch"}, {"PlayerDict", "3"}}},
    {"TheGoButtonStartsAGameTimedBesideThePlayerAndEachGuessDropsARowNewestOnTop", false,
     {ClickOn(IDOK), GUESS, GUESS, GUESS},
     {{"Board", "3 QZXJ,2 QZXJ,1 QZXJ"}, {"Fitted", "true"}, {"CellsOn", "1111"}, {"GoOn", "false"},
      {"Cells", ""}, {"Focus", "cell 1"}, {"Player", "‹Anna› - 0:00"}}},
    {"ARowShowsItsPinsAndInDutchRowsCellsAndButtonsAreRenamedAndEscapeAsks", true,
     {Word("BEAR"), Type("BARE\r"), Type("BAXR\r"), Cmd(ID_FIRST_PROG_LANG + DUTCH), Press(Qt::Key_Escape)},
     {{"Pins", "true", IDI_FIRST_PIN + 21}, {"Focus", "cell 1"}, {"CellSays", "Letter 1: Gok 2: BAXR, 2 goed, 1 elders"},
      {"RowSays", "Gok 2: BAXR, 2 goed, 1 elders"}, {"FlagSays", "Woordenboek: English"},
      {"GoSays", "De gok neerleggen"}, {"Questions", "Wil je het spel afbreken?"}, {"Shown", "true"}}, {NO}},
    {"F1AsksTheApplicationForHelpAndF2StartsANewGameAskingOnlyWithGuesses", true,
     {Press(Qt::Key_F1), Press(Qt::Key_F2), GUESS, Press(Qt::Key_F2)},
     {{"Commands", Ids({ID_HELP_INDEX, ID_NEW_GAME, IDOK, ID_NEW_GAME})}, {"Questions", ABORT}, {"Board", ""},
      {"Fitted", "true"}, {"CellsOn", "1111"}}},
    {"ExitWithoutAGameAsksNothingAndPlaysItsSoundToTheEnd", false, {Cmd(ID_EXIT)},
     {{"Questions", ""}, {"Shown", "false"}, {"Sounds", Ids({SND_EXIT})}, {"LastWaitedFor", "true"}}},
    {"AGameIsCountedGivenUpOnlyWithGuessesAndAfterYes", false,
     {Cmd(ID_NEW_GAME), Cmd(ID_NEW_GAME), GUESS, Cmd(ID_NEW_GAME), Cmd(ID_NEW_GAME), GUESS, Cmd(ID_EXIT)},
     {{"Abandoned", "2"}, {"Questions", ABORT + u',' + ABORT + u',' + ABORT}, {"Shown", "false"}}, {NO, YES, YES}},
    {"CheatRevealsTheWordOnlyAfterYesThenNo", false, {Cmd(ID_NEW_GAME), Word("BEAR"), Cmd(ID_CHEAT), Cmd(ID_CHEAT)},
     {{"Questions", CHEATING + u',' + CHEATING + ",OK, then... the word is 'BEAR'"},
      {"Sounds", Ids({SND_NEW_GAME, SND_CHEAT_QUESTION, SND_CHEAT_QUESTION})}}, {YES, YES, YES, NO}},
    {"AfterAWinCheatAsksNothingAndEnterStartsTheNextGame", false, {Win(10), Cmd(ID_CHEAT), Press(Qt::Key_Return)},
     {{"Questions", ""}, {"CellsOn", "1111"}, {"Cells", ""}}},
    {"SetWordStartsAGameWithThatWordWhoseWinGoesUnscored", false, {Cmd(ID_SET_WORD), Type("BEAR\r")},
     {{"Questions", "Enter word:"}, {"CellsOn", "0000"}, {"Table", "0"}, {"Won", "0"},
      {"Sounds", Ids({SND_NEW_GAME}) + u',' + TYPED_BEAR}}, {{IDOK, "bear"}}},
    {"AnHonestWinStopsTheClockAndEntersTheTableAndTheStatistics", false, {Win(83)},
     {{"CellsOn", "0000"}, {"GoOn", "true"}, {"Cells", "BEAR"}, {"Player", "‹Anna› - 1:23"}, {"Focus", "go"},
      {"Table", "1"}, {"Won", "1"}, {"Best", "83"}, {"LastBar", "0"},
      {"Sounds", Ids({SND_NEW_GAME}) + u',' + TYPED_BEAR + u',' + Ids({SND_WIN})}}},
    {"OnlyAWinThatBeatsAnEntryOrEntersAFullTableGetsANotice", false,
     {Win(83), Win(90), Win(92), Win(94), Win(96), Win(98), Win(100), Win(102), Win(85), Win(104), Win(103)},
     {{"Questions", "High Score: # 2!,High Score: # 10!"}}},
    {"GamesRevealedOrSetCountNeitherWayButSetWordCountsTheGameItReplaces", false,
     {Cmd(ID_NEW_GAME), Word("BEAR"), Cmd(ID_CHEAT), GUESS, Cmd(ID_NEW_GAME), GUESS, Cmd(ID_SET_WORD), Type("BEAR\r")},
     {{"Won", "0"}, {"Abandoned", "1"}, {"Questions", CHEATING + ",OK, then... the word is 'BEAR'," + ABORT + u',' +
                                                      RESTART.arg("set the word") + ",Enter word:"}},
     {YES, NO, YES, YES, YES, {IDOK, "bear"}}},
    {"ADictionarySwitchWithoutGuessesStartsAGameUnasked", false, {Cmd(ID_NEW_GAME), Cmd(IDR_FIRST_DICTIONARY + DUTCH)},
     {{"Questions", ""}, {"FlagSays", "Dictionary: Nederlands"}, {"PlayerDict", "1"},
      {"Sounds", Ids({SND_NEW_GAME, SND_NEW_GAME})}}},
    {"ADictionarySwitchWithGuessesAsksAndCountsTheGameForItsDictionaryOnlyAfterYes", false,
     {Cmd(IDR_FIRST_DICTIONARY + GERMAN), Cmd(ID_NEW_GAME), GUESS, Cmd(IDR_FIRST_DICTIONARY + GERMAN),
      Cmd(IDR_FIRST_DICTIONARY + FRENCH), Cmd(IDR_FIRST_DICTIONARY + ENGLISH)},
     {{"Questions", RESTART.arg("select another dictionary") + u',' + RESTART.arg("select another dictionary")},
      {"FlagSays", "Dictionary: English"}, {"PlayerDict", "0"}, {"Board", ""}, {"CellsOn", "1111"},
      {"Abandoned", "1", GERMAN}, {"Abandoned", "0", ENGLISH}}, {NO, YES}},
    {"TheChooserSwitchesTheCaseEvenWhenCancelled", false, {Cmd(ID_DICTIONARY_INFO)},
     {{"Lower", "true"}, {"FlagSays", "Dictionary: English"}}, {{IDCANCEL, "Deutsch", true}}},
    {"TheChooserSwitchesTheDictionaryOnSelect", false, {Cmd(ID_DICTIONARY_INFO)},
     {{"Lower", "false"}, {"FlagSays", "Dictionary: Deutsch"}, {"PlayerDict", "3"}}, {{IDOK, "Deutsch"}}},
    {"SoundOffIsKeptAndThePlayerSwitchAsksAndCountsTheGameForWhoPlayedIt", false,
     {Cmd(ID_SOUND), Cmd(ID_SOUND), Cmd(ID_SOUND), Cmd(ID_NEW_GAME), GUESS, ClickOn(IDC_PLAYER), ClickOn(IDC_PLAYER)},
     {{"Questions", QStringList(2, RESTART.arg("select another player") + ",Please select your name:").join(u',')},
      {"Sounds", Ids({SND_SOUND_ON, SND_NEW_GAME})}, {"Sound", "false"}, {"Player", "‹Bert› - 0:00"},
      {"FlagSays", "Dictionary: Fran\u00e7ais"}, {"Board", ""}, {"Abandoned", "1"}, {"Abandoned", "0", FRENCH},
      {"Abandoned", "0", FRENCH, "Bert"}}, {YES, NO, YES, {IDOK, "Bert"}}},
    {"ALongNameIsCutShortButTheTimeShowsAndTheWholeNameIsSaid", true, {Press(Qt::Key_F2)},
     {{"Clock", "0:00"}, {"PlayerSays", "‹" + QString(50, u'W') + "› - 0:00"},
      {"PlayerTip", "‹" + QString(50, u'W') + "›"}}, {}, {}, QString(50, u'W')},
    {"ANameEditedIntoTheStoreShowsWhatWouldBreakTheLineAsMarks", true, {Press(Qt::Key_F2)},
     {{"Player", "‹A�b�c› - 0:00"}, {"PlayerSays", "‹A�b�c› - 0:00"}, {"PlayerTip", "‹A�b�c›"}}, {}, {}, "A\nb\u2029c"},
    {"LettersTypedAfterAMenuOrADialogGoWhereTheFocusWas", true,
     {ClickOn(IDC_FLAG), Type("a"), ClickOn(IDC_PLAYER), Type("b"), Cmd(ID_DICTIONARY_INFO), Type("c"),
      Cmd(ID_CHEAT), Cmd(ID_SET_WORD), Type("d\r")},
     {{"Menus", "flag"}, {"Board", "1 ABCD"}, {"Focus", "cell 1"}}, {NO, NO, NO, NO}},
    {"TabReachesTheGoButtonOnceTheGuessIsWhole", true, {Type("QZXJ"), ClickOn(IDC_LAST_LETTER), Press(Qt::Key_Tab)},
     {{"Focus", "go"}}},
    {"TheMenuKeysAndAKeyboardMenuRequestOpenTheFlagMenuOnly", true,
     {Press(Qt::Key_Menu), Press(Qt::Key_F10, Qt::ShiftModifier), {Step::MenuRequest}}, {{"Menus", "flag,flag,flag"}}},
    {"SpaceOnTheFlagOpensNothingAndTheFlagShowsItHasTheFocus", true, {Press(Qt::Key_Backtab), Press(Qt::Key_Space)},
     {{"Focus", "flag"}, {"Menus", ""}, {"KeyMark", "true"}}},
    {"ArrowsAtACellsEdgeStepToTheNeighbourButNotPastTheFirst", true, {Type("ab"), Press(Qt::Key_Left),
      Press(Qt::Key_Left), Press(Qt::Key_Left), Press(Qt::Key_Left), Press(Qt::Key_Left), Press(Qt::Key_Right), Press(Qt::Key_Right)},
     {{"Focus", "cell 2"}, {"Cells", "AB"}}},
    {"ShiftWithTheMenuKeyOffersCheat", true, {Press(Qt::Key_Menu, Qt::ShiftModifier)},
     {{"Menus", "flag"}, {"Extras", Ids({ID_CHEAT})}}},
    {"CtrlWithTheMenuKeyOffersSetWord", true, {Press(Qt::Key_Menu, Qt::ControlModifier)},
     {{"Menus", "flag"}, {"Extras", Ids({ID_SET_WORD})}}},
    // A Wayland compositor maximises even a window of fixed size, and ends a program that then
    // keeps that size.
    {"AMaximisedWindowComesBackToItsSizeWithTheGame", true, {GUESS, Type("ab"), {Step::Maximise}},
     {{"Fitted", "true"}, {"Board", "1 QZXJ"}, {"Cells", "AB"}, {"Focus", "cell 3"}}, {}, {}, "Anna", true},
    {"AScreenReaderOpensTheFlagMenuAndChoosesFromIt", true, {{Step::ReaderPress, IDC_FLAG}},
     {{"Menus", "flag"}, {"Commands", Ids({ID_SOUND})}}, {}, {-1 - 2}},
    {"ShiftOffersCheatAndTheMenuChecksDictionaryLanguageSoundAndHardMode", true,
     {Cmd(ID_HARD_MODE), ClickOn(IDC_FLAG, Qt::ShiftModifier)},
     {{"Menus", "flag"}, {"Checked", Ids({IDR_FIRST_DICTIONARY, ID_FIRST_PROG_LANG, ID_SOUND, ID_HARD_MODE})},
      {"Extras", Ids({ID_CHEAT})}, {"Greyed", Ids({ID_REVIEW})}, {"Languages", PROGRAM_LANGUAGES},
      {"Commands", Ids({ID_CHEAT})}, {"FlagMark", "false"}}, {NO}, {ID_CHEAT}},
    {"ARightClickWithCtrlOffersSetWord", true, {Cmd(ID_SOUND), ClickOn(IDC_FLAG, Qt::ControlModifier, Qt::RightButton)},
     {{"Menus", "flag"}, {"Checked", Ids({IDR_FIRST_DICTIONARY, ID_FIRST_PROG_LANG})}, {"Extras", Ids({ID_SET_WORD})},
      {"Commands", Ids({ID_SET_WORD})}}, {NO}, {ID_SET_WORD}},
    {"InDutchOnceTheGameIsOverCheatIsGreyed", false,
     {Cmd(ID_FIRST_PROG_LANG + DUTCH), Win(10), ClickOn(IDC_FLAG, Qt::ShiftModifier | Qt::ControlModifier)},
     {{"Checked", Ids({IDR_FIRST_DICTIONARY, ID_FIRST_PROG_LANG + DUTCH, ID_SOUND})},
      {"Extras", Ids({ID_CHEAT, ID_SET_WORD})}, {"Greyed", Ids({ID_HINT, ID_CHEAT})}, {"Commands", ""}}, {},
     {ID_CHEAT}},
    {"APlainRightClickOffersNeither", true, {ClickOn(IDC_FLAG, {}, Qt::RightButton)},
     {{"Menus", "flag"}, {"Extras", ""}, {"Commands", Ids({ID_NEW_GAME})}}, {}, {ID_NEW_GAME}},
    {"AHintedWinNeverReachesTheTableNorTheStatisticsYetF3ReviewsIt", false,
     {Cmd(ID_NEW_GAME), Word("BEAR"), Cmd(ID_HINT), Type("MOST\rLINE\rCART\rBARE\r"), Cmd(ID_HINT),
      Type("BEAR\r"), Press(Qt::Key_F3)},
     {{"Questions", HINT + ",Words still possible: 854,Words still possible: 1\nOne of them: BEAR,Review"},
      {"Table", "0"}, {"Won", "0"}}},
    {"NoToAHintTakesNoneAndAHintedGameGivenUpIsNotCounted", false,
     {Cmd(ID_NEW_GAME), Word("BEAR"), Cmd(ID_HINT), Type("BEAR\r"), Cmd(ID_NEW_GAME), Cmd(ID_HINT), GUESS,
      Cmd(ID_NEW_GAME)},
     {{"Table", "1"}, {"Abandoned", "0"}, {"Questions", HINT + u',' + HINT + ",Words still possible: 854," + ABORT}},
     {NO, YES}},
    {"HardModeRefusesAGuessARowRulesOutAndKeepsItsLetters", false,
     {Cmd(ID_HARD_MODE), Cmd(ID_NEW_GAME), Word("BEAR"), Type("BARE\r"), Type("QZXJ\r")},
     {{"Board", "1 BARE"}, {"Cells", "QZXJ"}, {"Questions", "Hard mode: QZXJ contradicts guess 1."},
      {"Hard", "true"}, {"Sounds", Ids({SND_NEW_GAME}) + u',' + TYPED_BEAR + u',' +
                                   Ids({SND_LETTER, SND_LETTER, SND_LETTER, SND_LETTER, SND_REFUSED})}}},
    {"OnlyAGameWonAllInHardModeCountsAsHardAndBothEnterTheTable", false,
     {Cmd(ID_NEW_GAME), Word("BEAR"), GUESS, Cmd(ID_HARD_MODE), Type("BEAR\r"), Win(10)},
     {{"Won", "2"}, {"HardWon", "1"}, {"Table", "2"}}},
    {"F3ReviewsNoGameRunning", true, {Press(Qt::Key_F3), GUESS, Press(Qt::Key_F3)}, {{"Questions", ""}}},
};
// clang-format on

// Stands in for the application: handles no command but notes each, and lets the player
// chooser load the next player, whose dictionary the game takes.
struct FakeApp : CCommandTarget {
    bool OnCmdMsg(int nId, QWidget*) override
    {
        m_commands.append(nId);
        return false;
    }
    int SelectPlayer() override
    {
        CPlayerDlg dlg;
        const int nResult = dlg.DoModal();
        if (nResult == IDOK)
            m_pPlayer->Load(dlg.m_strName);
        m_pGame->m_nDict = m_pPlayer->m_nDict;
        return nResult;
    }
    CPlayerSettings* m_pPlayer;
    CGameRound* m_pGame;
    QList<int> m_commands;
};

// Anna's main window, wired as start-up wires it, her sound on, Bert's settings stored.
struct MainWindow : testing::TestWithParam<Row> {
    void SetUp() override
    {
        SetTickSource([] { return g_dwNow; });
        CRegKey(HKEY_LOCAL_MACHINE, "Players\\Bert").SetInt("Dict", FRENCH);
        AppCore().m_bAutoStart = GetParam().bAutoStart;
        AppCore().SetPlayer(&m_player);
        m_player.m_strName = GetParam().player;
        m_game.m_nDict = m_player.m_nDict;
        m_dlg.m_pGame = m_app.m_pGame = &m_game;
        m_dlg.m_pPlayer = m_app.m_pPlayer = &m_player;
        m_dlg.m_pHighScores = &m_table;
        m_dlg.m_pCommands = &m_app;
        m_dlg.Create();
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        m_initialSize = m_dlg.size();
        RecordingWavePlayer::Instance().Clear();
        m_menuWatch.callOnTimeout([this] { OnMenu(); });
        m_menuWatch.start(10);
    }
    void TearDown() override
    {
        AppCore().SetPlayer(nullptr);
        AppCore().SetProgLang(ENGLISH);
    }

    QWidget* Ctl(int nId) const { return m_dlg.GetDlgItem(nId); }
    static QString Text(const QWidget* pItem) { return pItem->property("text").toString(); }
    static void ReaderPress(QAccessibleInterface* pItem)
    {
        pItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    void Do(const Step& step)
    {
        Act(step);
        QTest::qWait(20); // for what the menus post, and for a menu that would open late
        // The test platform leaves no window active after a menu or dialog; a desktop gives
        // the activation back to the main window, which then focuses the child it remembers.
        QApplication::setActiveWindow(&m_dlg);
    }
    void Act(const Step& step)
    {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        switch (step.kind) {
        case Step::Command:
            return (void)m_dlg.OnCommand(step.n);
        case Step::Keys:
            for (const char* p = step.text; *p; ++p)
                QTest::keyClick(m_dlg.focusWidget(), *p);
            return;
        case Step::Key:
            return QTest::keyClick(m_dlg.focusWidget(), Qt::Key(step.n), step.modifiers);
        case Step::Click:
            return QTest::mouseClick(Ctl(step.n), step.button, step.modifiers);
        case Step::Win:
            Do(Cmd(ID_NEW_GAME));
            Do(Word("BEAR"));
            g_dwNow += step.n * 1000;
            return Do(Type("BEAR\r"));
        case Step::Word:
            return (void)std::memcpy(m_game.m_szWord, step.text, 4);
        case Step::MenuRequest:
            return (void)QApplication::sendEvent(m_dlg.focusWidget(), &request);
        case Step::Maximise: // as the title bar's button asks it; the compositor answers, twice
            m_dlg.windowHandle()->setWindowStates(Qt::WindowMaximized);
            QTest::qWaitFor([&] { return m_dlg.isMaximized(); }, 2000);
            return (void)QTest::qWaitFor([&] { return !m_dlg.isMaximized(); }, 5000);
        case Step::ReaderPress: { // the menu comes, and its choice reaches the window, posted
            const qsizetype nCommands = m_app.m_commands.size();
            ReaderPress(QAccessible::queryAccessibleInterface(Ctl(step.n)));
            return (void)QTest::qWaitFor([&] { return m_app.m_commands.size() > nCommands; }, 5000);
        }
        }
    }
    void OnMenu()
    {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!pMenu)
            return;
        QWidget* pFlag = Ctl(IDC_FLAG);
        const bool bBelow = pMenu->pos() == pFlag->mapToGlobal(QPoint(0, pFlag->height()));
        m_menus << (pMenu->parentWidget() != pFlag ? "other" : bBelow ? "flag" : "flag elsewhere");
        m_menuSeen["Checked"] = MenuIds(*pMenu, [](auto* p) { return p->isChecked(); });
        m_menuSeen["Extras"] = MenuIds(*pMenu, [](auto* p) {
            return QList{ID_CHEAT, ID_SET_WORD}.contains(p->data().toInt());
        });
        m_menuSeen["Greyed"] = MenuIds(*pMenu, [](auto* p) { return !p->isEnabled(); });
        if (const QAction* pProgram = pMenu->actions().value(1); pProgram && pProgram->menu())
            m_menuSeen["Languages"] = MenuIds(*pProgram->menu(), [](auto*) { return true; });
        m_nCommandsBeforeMenu = m_app.m_commands.size();
        const int nChoice = m_inMenus.isEmpty() ? 0 : m_inMenus.takeFirst();
        if (nChoice < 0)
            return ReaderPress(QAccessible::queryAccessibleInterface(pMenu)->child(-1 - nChoice));
        for (QAction* pAction : pMenu->actions())
            if (pAction->data() == nChoice)
                pMenu->setActiveAction(pAction);
        QTest::keyClick(pMenu, nChoice ? Qt::Key_Return : Qt::Key_Escape);
    }
    void OnModal(QWidget* pBox)
    {
        m_questions << (Item(pBox, IDC_TEXT) ? Text(Item(pBox, IDC_TEXT)) : pBox->windowTitle());
        const Answer answer = m_answers.isEmpty() ? YES : m_answers.takeFirst();
        if (answer.bSwitchCase)
            Click(pBox, IDC_PICTURE);
        const int nList = Item(pBox, IDC_PLAYERS) ? IDC_PLAYERS : IDC_DICTIONARIES;
        auto* pList = qobject_cast<QListWidget*>(Item(pBox, nList));
        if (pList && answer.pick)
            pList->setCurrentItem(pList->findItems(answer.pick, Qt::MatchContains).value(0));
        if (QWidget* pWord = Item(pBox, IDC_WORD); pWord && answer.pick)
            QTest::keyClicks(pWord, answer.pick);
        if (Button(pBox, answer.nButton))
            Click(pBox, answer.nButton);
        else
            QTest::keyClick(pBox, Qt::Key_Escape);
    }

    QString Board() // the guess rows from the top down, each its number and letters

    {
        QList<CGuessRow*> rows = m_dlg.Rows();
        std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
        QStringList texts;
        for (int i = 0; i < rows.size(); ++i) {
            texts << Text(Item(rows[i], IDC_ROW_NUMBER)) + ' ' + EachCell(rows[i], Text);
            // each right under the one above, the first under the entry row
            EXPECT_EQ(rows[i]->y(), m_initialSize.height() + i * rows[i]->height()) << i;
        }
        return texts.join(u',');
    }
    static QString EachCell(QWidget* pParent, QString (*pfnCell)(const QWidget*))
    {
        QString str;
        for (int nId = IDC_FIRST_LETTER; nId <= IDC_LAST_LETTER; ++nId)
            str += pfnCell(Item(pParent, nId));
        return str;
    }
    static QString On(const QWidget* pItem) { return pItem->isEnabled() ? "1" : "0"; }
    static QString Flag(bool b) { return b ? "true" : "false"; }
    QString FlagMark() // whether the flag button, focused, draws a focus mark
    {
        struct Probe : CFlagButton {
            using CFlagButton::initStyleOption;
        };
        Ctl(IDC_FLAG)->setFocus();
        EXPECT_TRUE(Ctl(IDC_FLAG)->hasFocus());
        QStyleOptionButton option;
        (static_cast<CFlagButton*>(Ctl(IDC_FLAG))->*&Probe::initStyleOption)(&option);
        return Flag(option.state & QStyle::State_HasFocus);
    }
    QString KeyMark() // whether the flag button draws the keyboard's focus mark
    {
        QWidget* pFlag = Ctl(IDC_FLAG);
        const QColor edge = pFlag->grab().toImage().pixelColor(2, pFlag->height() / 2);
        return Flag(edge == pFlag->palette().color(QPalette::Highlight));
    }
    QString See(const Look& look)
    {
        const auto Number = [](qsizetype n) { return QString::number(n); };
        const CStatistics stats = ReadStatistics(look.who, look.nArg);
        CPlayerSettings stored(ENGLISH);
        stored.Load(look.who);
        CGuessRow* pNewest = m_dlg.Rows().isEmpty() ? nullptr : m_dlg.Rows().last();
        const int nRows = m_dlg.Rows().size();
        QWidget* pPlayer = Ctl(IDC_PLAYER);
        QWidget* pFirst = Ctl(IDC_FIRST_LETTER);
        const QString strPlayer = Text(pPlayer);
        const int nFocus = m_dlg.focusWidget()->objectName().toInt();
        const auto& calls = RecordingWavePlayer::Instance().Calls();
        const auto pins =
            pNewest ? Item(pNewest, IDC_ROW_PINS)->property("pixmap").value<QPixmap>() : QPixmap();
        // clang-format off
        const QHash<QString, std::function<QString()>> seen = {
            {"Abandoned", [&] { return Number(stats.m_nAbandoned); }},
            {"Best", [&] { return Number(stats.m_nBestSeconds); }},
            {"Board", [&] { return Board(); }},
            {"Cells", [&] { return EachCell(&m_dlg, Text); }},
            {"CellsOn", [&] { return EachCell(&m_dlg, On); }},
            {"CellSays", [&] { return pFirst->accessibleName() + ": " + pFirst->accessibleDescription(); }},
            {"Clock", [&] { return Marked(strPlayer).section("› - ", -1); }}, // after the name's end
            {"Commands", [&] { return Ids(m_app.m_commands.mid(m_nCommandsBeforeMenu)); }}, // since the last menu
            {"Fitted", [&] { return Flag(m_dlg.height() == m_initialSize.height() + nRows * (nRows ? pNewest->height() : 0)); }},
            {"FlagMark", [&] { return FlagMark(); }},
            {"KeyMark", [&] { return KeyMark(); }},
            {"FlagSays", [&] { return Ctl(IDC_FLAG)->accessibleName(); }},
            {"Focus", [&] { return nFocus == IDOK ? "go" : nFocus == IDC_FLAG ? "flag" : "cell " + Number(nFocus - IDC_FIRST_LETTER + 1); }},
            {"GoOn", [&] { return Flag(Ctl(IDOK)->isEnabled()); }},
            {"GoSays", [&] { return Ctl(IDOK)->accessibleName(); }},
            {"LastBar", [&] { return Number(stats.m_nLastBar); }},
            {"LastWaitedFor", [&] { return Flag(!calls.constLast().bAsync); }},
            {"Lower", [&] { return Flag(stored.m_bLower); }},
            {"Hard", [&] { return Flag(stored.m_bHard); }},
            {"HardWon", [&] { return Number(stats.m_nHardWon); }},
            {"Menus", [&] { return m_menus.join(u','); }},
            {"Pins", [&] { return Flag(pins.toImage() == LoadIconRes(look.nArg).pixmap(pins.size()).toImage()); }},
            {"Player", [&] { return Marked(strPlayer); }},
            {"PlayerDict", [&] { return Number(stored.m_nDict); }},
            {"PlayerSays", [&] { return Marked(pPlayer->accessibleName()); }},
            {"PlayerTip", [&] { return Marked(pPlayer->toolTip().section(u'\n', 0, 0)); }},
            {"Questions", [&] { return m_questions.join(u','); }},
            {"RowSays", [&] { return pNewest->accessibleName(); }},
            {"Shown", [&] { return Flag(m_dlg.isVisible()); }},
            {"Sound", [&] { return Flag(stored.m_bSound); }},
            {"Sounds", [&] { return Ids(RecordingWavePlayer::Instance().SoundIds()); }},
            {"Table", [&] { return Number(m_table.GetCount()); }},
            {"Won", [&] { return Number(stats.m_nWon); }},
        };
        // clang-format on
        if (m_menuSeen.contains(look.what))
            return Ids(m_menuSeen.value(look.what));
        return seen.contains(look.what) ? seen[look.what]() : QString("no such look");
    }

    TempRegistry m_registry;
    CHighScoreTable m_table;
    CGameRound m_game;
    CPlayerSettings m_player{AppCore().m_nProgLang};
    FakeApp m_app;
    CGameDlg m_dlg;
    QSize m_initialSize;
    QList<Answer> m_answers = GetParam().answers;
    QStringList m_questions; // each dialog's text or title, in order
    ModalWatcher m_watcher{[this](QWidget* pBox) { OnModal(pBox); }};
    QList<int> m_inMenus = GetParam().inMenus;
    QStringList m_menus;                   // whose each menu was
    QHash<QString, QList<int>> m_menuSeen; // of the last menu
    qsizetype m_nCommandsBeforeMenu = 0;
    QTimer m_menuWatch;
};

} // namespace

TEST_P(MainWindow, PlayerActsAndSees)
{
    if (GetParam().bWaylandOnly && QGuiApplication::platformName() != "wayland")
        GTEST_SKIP() << "only Wayland";
    for (const Step& step : GetParam().steps)
        Do(step);
    for (const Look& look : GetParam().looks)
        EXPECT_EQ(See(look), look.expected) << look.what << ' ' << look.who << ' ' << look.nArg;
}
INSTANTIATE_TEST_SUITE_P(, MainWindow, testing::ValuesIn(ROWS),
                         [](const auto& info) { return std::string(info.param.name); });
