#include "appcore/AppCore.h"
#include "controls/LetterEdit.h"
#include "game/GameRound.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/TempRegistry.h"
#include "window/FakeApp.h"
#include "window/FlagButton.h"
#include "window/GameDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace
{

// Anna's main window with a game running on a word no guess below matches.
struct KeyboardTest : testing::Test, MainWindowRig {
    KeyboardTest()
    {
        m_player.m_bSound = false;
        Open(true);
        m_game.SetWord(QStringLiteral("WXYZ"));
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        Activate();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        Ctl(IDC_FIRST_LETTER)->setFocus();
    }
    ~KeyboardTest() override { AppCore().SetPlayer(nullptr); }

    // The test platform leaves no window active after a menu or dialog; a desktop gives the
    // activation back to the main window, which then focuses the child it remembers.
    void Activate() { QApplication::setActiveWindow(&m_dlg); }
    QWidget* Focused() const { return m_dlg.focusWidget(); }
    // Types into whatever has the focus, as a player would.
    static void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p; ++p)
            QTest::keyClick(QApplication::focusWidget(), *p);
    }
    QWidget* Ctl(int nId) const { return m_dlg.GetDlgItem(nId); }
    // Closes the next menu that opens with Escape and says whether it was the flag menu. The
    // watch ends with the test's window, so that it never closes a later test's menu.
    std::shared_ptr<bool> EscapeNextMenu()
    {
        auto pOpened = std::make_shared<bool>(false);
        auto* pTimer = new QTimer(&m_dlg);
        QObject::connect(pTimer, &QTimer::timeout, pTimer, [this, pTimer, pOpened] {
            if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                *pOpened = pMenu->parentWidget() == Ctl(IDC_FLAG);
                QTest::keyClick(pMenu, Qt::Key_Escape);
                pTimer->deleteLater();
            }
        });
        pTimer->start(10);
        QTimer::singleShot(2000, pTimer, &QObject::deleteLater);
        return pOpened;
    }
};

} // namespace

// Guards against the flag button keeping the focus after its menu, so that typed letters
// are lost without a sign.
TEST_F(KeyboardTest, LettersTypedAfterTheFlagMenuStillScoreAGuess)
{
    const auto pOpened = EscapeNextMenu();
    QTest::mouseClick(Ctl(IDC_FLAG), Qt::LeftButton);
    EXPECT_TRUE(*pOpened);
    EXPECT_EQ(Focused(), Ctl(IDC_FIRST_LETTER));
    Activate();
    Type("abcd\r");
    EXPECT_EQ(m_dlg.Rows().size(), 1);
}

// The player button and the dialogs the menu leads to give the focus back to the cell that had
// it.
TEST_F(KeyboardTest, TheFocusComesBackToItsCellAfterThePlayerButtonAndEachDialogOfTheMenu)
{
    for (const int nCommand : {IDC_PLAYER, ID_DICTIONARY_INFO, ID_CHEAT, ID_SET_WORD}) {
        Type("a");
        WhenModal([](QWidget* pDlg) { QTest::keyClick(pDlg, Qt::Key_Escape); });
        if (nCommand == IDC_PLAYER)
            QTest::mouseClick(Ctl(IDC_PLAYER), Qt::LeftButton); // a click, not just the command
        else
            m_dlg.OnCommand(nCommand);
        EXPECT_EQ(Focused(), Ctl(IDC_FIRST_LETTER + 1)) << nCommand;
        Activate();
        QTest::keyClick(Focused(), Qt::Key_Backspace);
    }
}

TEST_F(KeyboardTest, TabStillReachesTheGoButton)
{
    Type("abcd"); // the go button takes part once the guess is whole
    Ctl(IDC_LAST_LETTER)->setFocus();
    QTest::keyClick(Ctl(IDC_LAST_LETTER), Qt::Key_Tab);
    EXPECT_EQ(Focused(), Ctl(IDOK));
}

// Guards against a menu key that opens nothing, or that opens the cell's own menu as well. X11
// delivers the Menu key as a context menu request to the focused cell.
TEST_F(KeyboardTest, TheMenuKeysOpenTheFlagMenuNotTheCellsOwn)
{
    QWidget* pCell = Ctl(IDC_FIRST_LETTER);
    const std::pair<const char*, std::function<void()>> inputs[] = {
        {"Menu", [pCell] { QTest::keyClick(pCell, Qt::Key_Menu); }},
        {"Shift+F10", [pCell] { QTest::keyClick(pCell, Qt::Key_F10, Qt::ShiftModifier); }},
        {"context menu request", [pCell] {
             QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                       pCell->mapToGlobal(QPoint(2, 2)));
             QApplication::sendEvent(pCell, &request);
         }}};
    for (const auto& [pszInput, input] : inputs) {
        Activate();
        pCell->setFocus();
        const auto pOpened = EscapeNextMenu();
        input();
        EXPECT_TRUE(*pOpened) << pszInput;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << pszInput;
    }
}

TEST_F(KeyboardTest, SpaceOnTheFlagButtonOpensNothing)
{
    const auto pOpened = EscapeNextMenu();
    Ctl(IDC_FLAG)->setFocus();
    QTest::keyClick(Ctl(IDC_FLAG), Qt::Key_Space);
    QTest::qWait(50);
    EXPECT_FALSE(*pOpened);
}

// Guards against a flag menu that a screen reader cannot open, or whose items it presses
// in vain: the menu's own click is not what a screen reader uses.
TEST_F(KeyboardTest, AScreenReaderOpensTheFlagMenuAndChoosesFromIt)
{
    const auto Press = [](QAccessibleInterface* pItem) {
        pItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    QTimer::singleShot(100, [&Press] {
        if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            Press(QAccessible::queryAccessibleInterface(pMenu)->child(2)); // Sound
    });
    Press(QAccessible::queryAccessibleInterface(Ctl(IDC_FLAG)));
    QTest::qWait(300);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(m_app.m_commands.contains(ID_SOUND));
}

TEST_F(KeyboardTest, F2WithoutGuessesStartsANewGameUnasked)
{
    int nQuestions = 0;
    ModalWatcher watcher([&nQuestions](QWidget* pBox) {
        ++nQuestions;
        QTest::keyClick(pBox, Qt::Key_Escape);
    });
    m_game.SetWord(QStringLiteral("ABCD"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(nQuestions, 0);
    EXPECT_NE(QByteArray(m_game.m_szWord, 4), "ABCD");
}

// Guards against F2 throwing away a game with guesses without asking.
TEST_F(KeyboardTest, F2WithGuessesAsksFirst)
{
    Type("abcd\r");
    int nQuestions = 0;
    ModalWatcher watcher([&nQuestions](QWidget* pBox) {
        ++nQuestions;
        QTest::keyClick(pBox, Qt::Key_Escape); // No: play on
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(nQuestions, 1);
    EXPECT_EQ(m_dlg.Rows().size(), 1);
}

TEST_F(KeyboardTest, TheMenuShowsTheKeysOfNewGameAndHelp)
{
    QMenu menu;
    ASSERT_TRUE(qobject_cast<CFlagButton*>(Ctl(IDC_FLAG))->BuildFlagMenu(menu, {}));
    QStringList shortcuts;
    for (const QAction* pAction : menu.actions())
        if (!pAction->shortcut().isEmpty())
            shortcuts << pAction->shortcut().toString();
    EXPECT_EQ(shortcuts, (QStringList{"F2", "F1"}));
}

// Guards against a long name pushing the clock out of the player button, or cut short in its
// tip or for a screen reader.
TEST_F(KeyboardTest, ALongNameIsCutShortAndTheTimeStillShowsWithTheWholeNameInTheTip)
{
    m_player.m_strName = QString(50, u'W');
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2); // a new game shows the clock
    const QString strText = Ctl(IDC_PLAYER)->property("text").toString();
    EXPECT_TRUE(strText.endsWith(" - 0:00")) << strText.toStdString();
    EXPECT_LE(QFontMetrics(Ctl(IDC_PLAYER)->font()).horizontalAdvance(strText),
              Ctl(IDC_PLAYER)->width());
    EXPECT_EQ(Ctl(IDC_PLAYER)->accessibleName(), m_player.m_strName + " - 0:00");
    WhenModal([](QWidget* pChooser) { QTest::keyClick(pChooser, Qt::Key_Escape); });
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\") + m_player.m_strName)
        .SetInt(QStringLiteral("Dict"), 0);
    m_player.Load(m_player.m_strName);
    m_dlg.OnCommand(IDC_PLAYER); // no guesses: goes straight to the chooser, which stays
    EXPECT_TRUE(Ctl(IDC_PLAYER)->toolTip().startsWith(m_player.m_strName));
}
