#include "window/FlagButton.h"
#include "appcore/AppCore.h"
#include "dialogs/BaseDlg.h"
#include "game/GameRound.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"

#include <QApplication>
#include <QMenu>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int LATIN = 8;
constexpr int NO_TEMPLATE = 0;

const QStringList DICTIONARIES = {"Deutsch",    "English", "Español",  "Esperanto",
                                  "Français",   "Gaelic",  "Italiano", "Latinum",
                                  "Nederlands", "Swahili", "-",        "Info..."};

// The texts of a menu's items, "-" for a separator.
QStringList Texts(const QMenu& menu)
{
    QStringList arTexts;
    for (const QAction* pAction : menu.actions())
        arTexts << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
    return arTexts;
}

// The items of the menu and its popups, in order, whose state is as wanted.
QStringList Items(const QMenu& menu, bool (QAction::*state)() const, bool bWanted)
{
    QStringList arTexts;
    for (const QAction* pAction : menu.actions()) {
        if (!pAction->isSeparator() && (pAction->*state)() == bWanted)
            arTexts << pAction->text();
        if (pAction->menu())
            arTexts << Items(*pAction->menu(), state, bWanted);
    }
    return arTexts;
}

// A dialog that notes the commands it gets, with the flag button of a running Latin game.
struct FlagTest : testing::Test {
    struct CommandDlg : CBaseDlg {
        CommandDlg() : CBaseDlg(NO_TEMPLATE) {}
        bool OnCommand(int nId) override
        {
            m_commands.append(nId);
            return true;
        }
        QList<int> m_commands;
    };
    struct ProbeButton : CFlagButton {
        using CFlagButton::CFlagButton, CFlagButton::initStyleOption;
    };

    FlagTest()
    {
        m_pButton->m_pGame = &m_game;
        m_pButton->m_pPlayer = &m_player;
        m_game.m_nDict = LATIN;
        m_game.m_bFinished = false;
    }
    ~FlagTest() override { AppCore().m_nProgLang = ENGLISH; }

    CGameRound m_game;
    CPlayerSettings m_player{AppCore().m_nProgLang}; // sound on
    CommandDlg m_dlg;
    ProbeButton* m_pButton = new ProbeButton(&m_dlg);
    QMenu m_menu;
};

} // namespace

TEST_F(FlagTest, ShiftAddsCheatAndTheChecksShowDictionaryAndLanguage)
{
    m_player.m_bSound = false;
    ASSERT_TRUE(m_pButton->BuildFlagMenu(m_menu, Qt::ShiftModifier));
    EXPECT_EQ(Texts(m_menu), (QStringList{"&Dictionary", "&Program", "&Sound", "-", "&New Game",
                                          "Hi&gh Scores...", "S&tatistics...", "&Cheat...", "-",
                                          "&Help...", "&About...", "-", "E&xit"}));
    EXPECT_EQ(Texts(*m_menu.actions()[0]->menu()), DICTIONARIES);
    EXPECT_EQ(Texts(*m_menu.actions()[1]->menu()), (QStringList{"English", "Nederlands"}));
    EXPECT_EQ(Items(m_menu, &QAction::isChecked, true), (QStringList{"Latinum", "English"}));
    EXPECT_EQ(Items(m_menu, &QAction::isEnabled, false), QStringList());
}

TEST_F(FlagTest, CtrlAddsSetWordAndSoundOnIsChecked)
{
    ASSERT_TRUE(m_pButton->BuildFlagMenu(m_menu, Qt::ControlModifier));
    EXPECT_EQ(Texts(m_menu), (QStringList{"&Dictionary", "&Program", "&Sound", "-", "&New Game",
                                          "Hi&gh Scores...", "S&tatistics...", "Set Wo&rd...", "-",
                                          "&Help...", "&About...", "-", "E&xit"}));
    EXPECT_EQ(Items(m_menu, &QAction::isChecked, true),
              (QStringList{"Latinum", "English", "&Sound"}));
}

// Guards against an English menu in Dutch, or Cheat offered once the game is over.
TEST_F(FlagTest, InDutchOnceTheGameIsOverCheatIsGreyed)
{
    AppCore().m_nProgLang = DUTCH;
    m_game.m_bFinished = true;
    m_player.m_bSound = false;
    ASSERT_TRUE(m_pButton->BuildFlagMenu(m_menu, Qt::ShiftModifier | Qt::ControlModifier));
    EXPECT_EQ(Texts(m_menu),
              (QStringList{"&Woordenboek", "&Programma", "&Geluid", "-", "&Nieuw spel",
                           "Hoogste s&cores...", "S&tatistieken...", "&Spieken...",
                           "Woo&rd instellen...", "-", "&Help...", "&Over...", "-", "A&fsluiten"}));
    EXPECT_EQ(Texts(*m_menu.actions()[0]->menu()), DICTIONARIES);
    EXPECT_EQ(Items(m_menu, &QAction::isChecked, true), (QStringList{"Latinum", "Nederlands"}));
    EXPECT_EQ(Items(m_menu, &QAction::isEnabled, false), QStringList{"&Spieken..."});
}

// Guards against a menu opening elsewhere, a lost choice, or a button drawn down or with a focus
// rectangle. That Space opens no menu is the keyboard test's.
TEST_F(FlagTest, EitherMouseButtonOpensTheMenuBelowAndTheChoiceReachesTheDialog)
{
    m_pButton->setGeometry(20, 30, 24, 24);
    m_dlg.show();
    QApplication::setActiveWindow(&m_dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    QList<QPoint> menus; // where each menu opened; the first is left with "&Cheat..."
    QTimer closer;
    closer.callOnTimeout([&] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!pMenu)
            return;
        menus << pMenu->pos();
        QTest::keyClick(pMenu, menus.size() == 1 ? Qt::Key_C : Qt::Key_Escape);
    });
    closer.start(10);
    QTest::mouseClick(m_pButton, Qt::LeftButton, Qt::ShiftModifier); // Cheat needs Shift
    QTest::mouseClick(m_pButton, Qt::RightButton);
    QTest::qWait(30);                      // the choice reaches the dialog as a posted command
    QApplication::setActiveWindow(&m_dlg); // the menus took the activation with them
    m_pButton->setFocus();
    EXPECT_EQ(menus, QList<QPoint>(2, m_pButton->mapToGlobal(QPoint(0, m_pButton->height()))));
    EXPECT_EQ(m_dlg.m_commands, QList<int>{ID_CHEAT});
    EXPECT_FALSE(m_pButton->isDown());
    ASSERT_TRUE(m_pButton->hasFocus());
    QStyleOptionButton option;
    m_pButton->initStyleOption(&option);
    EXPECT_FALSE(option.state & QStyle::State_HasFocus);
}
