#include "FlagButton.h"
#include "BaseDlg.h"
#include "GameApp.h"
#include "GameRound.h"
#include "PlayerSettings.h"

#include <QApplication>
#include <QMenu>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// The menu in one line: popups in brackets, * for a check mark, ~ for a greyed item.
QString Describe(const QMenu& menu)
{
    QStringList items;
    for (const QAction* p : menu.actions())
        items << (p->isSeparator() ? "-" : p->text()) + (p->isChecked() ? "*" : "") +
                     (p->isEnabled() ? "" : "~") +
                     (p->menu() ? "[" + Describe(*p->menu()) + "]" : "");
    return items.join(u'|');
}

// Each language's menu with the dictionaries (%1), the sound check (%2) and the added items (%3).
const char* const MENUS[] = {
    "&Dictionary[%1]|&Program[English*|Nederlands]|&Sound%2|-|&New Game|Hi&gh Scores...%3|-|"
    "&Help...|&About...|-|E&xit",
    "&Woordenboek[%1]|&Programma[English|Nederlands*]|&Geluid%2|-|&Nieuw spel|"
    "Hoogste s&cores...%3|-|&Help...|&Over...|-|A&fsluiten"};
const char* const DICTS = "Deutsch|English|Español|Esperanto|Français|Gaelic|Italiano|Latinum*|"
                          "Nederlands|Swahili|-|Info...";
enum { Dutch = 1, Sound = 2, Finished = 4, Shift = Qt::ShiftModifier, Ctrl = Qt::ControlModifier };

struct CommandDlg : CBaseDlg {
    CommandDlg() : CBaseDlg(0) {}
    bool OnCommand(int nId) override { return m_commands.append(nId), true; }
    QList<int> m_commands;
};

struct ProbeButton : CFlagButton {
    using CFlagButton::CFlagButton, CFlagButton::initStyleOption;
};

// The flag button of a running game with Latin as its dictionary, in a window noting commands.
struct Flag : testing::Test {
    Flag() { m_button->m_pGame = &m_game, m_button->m_pPlayer = &m_player; }
    ~Flag() override { theApp.m_nProgLang = 0; }
    CGameRound m_game;
    CPlayerSettings m_player{theApp.m_nProgLang};
    CommandDlg m_dlg;
    ProbeButton* m_button = new ProbeButton(&m_dlg);
};

} // namespace

// Guards against a wrong item, text, order, check mark or greying in any state of the program.
TEST_F(Flag, MenuFollowsLanguageSoundGameAndModifiers)
{
    // each state varied once against English, sound off, a game running and no modifier
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "", ""},
        {Sound, "*", ""},
        {Shift, "", "|&Cheat..."},
        {Shift | Finished, "", "|&Cheat...~"},
        {Ctrl, "", "|Set Wo&rd..."},
        {Dutch | Shift | Ctrl, "", "|&Spieken...|Woo&rd instellen..."}};
    m_game.m_nDict = 8;
    for (const auto& [nCase, pszSound, pszAdded] : cases) {
        theApp.m_nProgLang = nCase & Dutch, m_player.m_bSound = nCase & Sound;
        m_game.m_bFinished = nCase & Finished;
        QMenu menu;
        ASSERT_TRUE(m_button->BuildFlagMenu(menu, Qt::KeyboardModifiers::fromInt(nCase & ~7)));
        EXPECT_EQ(Describe(menu), QString(MENUS[nCase & Dutch]).arg(DICTS, pszSound, pszAdded))
            << nCase;
    }
}

// Guards against a menu opening elsewhere or from the keys, a lost choice, or a focus rectangle.
TEST_F(Flag, PressOpensTheMenuBelowAndItsChoiceReachesTheDialog)
{
    m_game.m_nDict = 8, m_game.m_bFinished = false;
    m_button->setGeometry(20, 30, 24, 24);
    m_dlg.show();
    QApplication::setActiveWindow(&m_dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    QList<QPoint> menus; // where each menu opened; the first is left with "&Cheat..."
    QTimer closer;
    closer.callOnTimeout([&] {
        if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menus << pMenu->pos();
            QTest::keyClick(pMenu, menus.size() == 1 ? Qt::Key_C : Qt::Key_Escape);
        }
    });
    closer.start(10);
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::ShiftModifier); // Cheat needs Shift
    QTest::mouseClick(m_button, Qt::RightButton);
    m_button->setFocus();
    QTest::keyClick(m_button, Qt::Key_Space); // no menu from the keys
    QTest::qWait(30);
    EXPECT_EQ(menus, QList<QPoint>(2, m_button->mapToGlobal(QPoint(0, m_button->height()))));
    EXPECT_EQ(m_dlg.m_commands, QList<int>{1409});
    EXPECT_FALSE(m_button->isDown());
    QStyleOptionButton option;
    m_button->initStyleOption(&option);
    EXPECT_TRUE(m_button->hasFocus());
    EXPECT_FALSE(option.state & QStyle::State_HasFocus);
}
