#include "window/FlagButton.h"
#include "appcore/AppCore.h"
#include "dialogs/BaseDlg.h"
#include "game/GameRound.h"
#include "store/PlayerSettings.h"

#include <QApplication>
#include <QMenu>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// The menu in one line: popups in brackets, * for a check mark, ~ for a greyed item.
static QString Describe(const QMenu& menu)
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

// Guards against a wrong item, text, order, check mark or greying in any state of the program,
// and a menu opening elsewhere or from the keys, a lost choice, or a focus rectangle.
TEST(Flag, MenuFollowsTheProgramAndOpensBelowOnAPressWithItsChoiceReachingTheDialog)
{
    struct CommandDlg : CBaseDlg {
        CommandDlg() : CBaseDlg(0) {}
        bool OnCommand(int nId) override { return m_commands.append(nId), true; }
        QList<int> m_commands;
    };

    struct ProbeButton : CFlagButton {
        using CFlagButton::CFlagButton, CFlagButton::initStyleOption;
    };
    CGameRound game;
    CPlayerSettings player(AppCore().m_nProgLang);
    CommandDlg dlg;
    auto* pButton = new ProbeButton(&dlg);
    pButton->m_pGame = &game, pButton->m_pPlayer = &player, game.m_nDict = 8;
    const std::tuple<int, const char*, const char*> cases[] = {
        {Dutch | Shift | Ctrl | Finished, "", "|&Spieken...~|Woo&rd instellen..."},
        {Shift, "", "|&Cheat..."},
        {Sound | Ctrl, "*", "|Set Wo&rd..."}};
    for (const auto& [nCase, pszSound, pszAdded] : cases) {
        AppCore().m_nProgLang = nCase & Dutch, player.m_bSound = nCase & Sound;
        game.m_bFinished = nCase & Finished;
        QMenu menu;
        EXPECT_TRUE(pButton->BuildFlagMenu(menu, Qt::KeyboardModifiers::fromInt(nCase & ~7)));
        EXPECT_EQ(Describe(menu), QString(MENUS[nCase & Dutch]).arg(DICTS, pszSound, pszAdded));
    }

    pButton->setGeometry(20, 30, 24, 24);
    dlg.show(), QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QList<QPoint> menus; // where each menu opened; the first is left with "&Cheat..."
    QTimer closer;
    closer.callOnTimeout([&] {
        if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            menus << pMenu->pos(),
                QTest::keyClick(pMenu, menus.size() == 1 ? Qt::Key_C : Qt::Key_Escape);
    });
    closer.start(10);
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::ShiftModifier); // Cheat needs Shift
    QTest::mouseClick(pButton, Qt::RightButton);
    pButton->setFocus(), QTest::keyClick(pButton, Qt::Key_Space); // no menu from the keys
    QTest::qWait(30);
    EXPECT_EQ(menus, QList<QPoint>(2, pButton->mapToGlobal(QPoint(0, pButton->height()))));
    EXPECT_TRUE(dlg.m_commands == QList<int>{1409} && !pButton->isDown());
    QStyleOptionButton option;
    pButton->initStyleOption(&option);
    QApplication::setActiveWindow(&dlg); // the menus took the activation with them
    pButton->setFocus();
    EXPECT_TRUE(pButton->hasFocus());
    EXPECT_FALSE(option.state & QStyle::State_HasFocus);
}
