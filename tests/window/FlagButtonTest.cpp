#include "FlagButton.h"
#include "BaseDlg.h"
#include "GameApp.h"
#include "GameRound.h"
#include "PlayerSettings.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
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
    for (const QAction* pAction : menu.actions()) {
        items << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text()) +
                     (pAction->isChecked() ? "*" : "") + (pAction->isEnabled() ? "" : "~") +
                     (pAction->menu() ? "[" + Describe(*pAction->menu()) + "]" : "");
    }
    return items.join(u'|');
}

// Each language's menu, open for the dictionaries (%1), the sound check (%2) and the items
// that Shift and Ctrl add (%3).
const char DICTIONARIES[] = "[Deutsch|English|Español|Esperanto|Français|Gaelic|Italiano|"
                            "Latinum*|Nederlands|Swahili|-|Info...]";
const struct {
    const char* pszTemplate;
    const char* pszCheat;
    const char* pszSetWord;
} MENUS[] = {{"&Dictionary%1|&Program[English*|Nederlands]|&Sound%2|-|&New Game|Hi&gh Scores...%3|"
              "-|&Help...|&About...|-|E&xit",
              "&Cheat...", "Set Wo&rd..."},
             {"&Woordenboek%1|&Programma[English|Nederlands*]|&Geluid%2|-|&Nieuw spel|"
              "Hoogste s&cores...%3|-|&Help...|&Over...|-|A&fsluiten",
              "&Spieken...", "Woo&rd instellen..."}};

struct CommandDlg : CBaseDlg {
    CommandDlg() : CBaseDlg(0) {}
    bool OnCommand(int nId) override
    {
        m_commands << nId;
        return true;
    }
    QList<int> m_commands;
};

struct ProbeButton : CFlagButton {
    using CFlagButton::CFlagButton;
    using CFlagButton::initStyleOption;
};

// Runs act on the menu once it is open, then closes it if act has not.
void WhenMenuOpens(std::function<void(QMenu*)> act)
{
    QTimer::singleShot(10, [act] {
        if (QPointer<QMenu> pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            act(pMenu);
            if (pMenu)
                pMenu->close();
        }
    });
}

// The flag button in an active window that notes its commands; Latin is the dictionary.
class Flag : public testing::Test
{
protected:
    void SetUp() override
    {
        m_game.m_nDict = 8;
        m_button->m_pGame = &m_game;
        m_button->m_pPlayer = &m_player;
        m_button->setGeometry(20, 30, 24, 24);
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    void TearDown() override { theApp.m_nProgLang = 0; }

    CGameRound m_game;
    CPlayerSettings m_player{theApp.m_nProgLang};
    CommandDlg m_dlg;
    ProbeButton* m_button = new ProbeButton(&m_dlg);
};

} // namespace

// Guards against a wrong item, text, order, check mark or greying in any state of the program.
TEST_F(Flag, MenuFollowsLanguageSoundGameAndModifiers)
{
    for (int nCase = 0; nCase < 32; ++nCase) {
        const bool bSound = nCase & 2, bFinished = nCase & 4, bShift = nCase & 8,
                   bCtrl = nCase & 16;
        const auto& text = MENUS[nCase & 1];
        theApp.m_nProgLang = nCase & 1;
        m_player.m_bSound = bSound;
        m_game.m_bFinished = bFinished;
        QString strExtras;
        if (bShift)
            strExtras += QStringLiteral("|") + text.pszCheat + (bFinished ? "~" : "");
        if (bCtrl)
            strExtras += QStringLiteral("|") + text.pszSetWord;
        QMenu menu;
        ASSERT_TRUE(
            m_button->BuildFlagMenu(menu, (bShift ? Qt::ShiftModifier : Qt::NoModifier) |
                                              (bCtrl ? Qt::ControlModifier : Qt::NoModifier)));
        EXPECT_EQ(Describe(menu),
                  QString::fromUtf8(text.pszTemplate)
                      .arg(QString::fromUtf8(DICTIONARIES), bSound ? "*" : "", strExtras))
            << "case " << nCase;
    }
}

// Guards against the menu opening elsewhere or from the keyboard, reading the keys late, or its
// choice getting lost; and against the focused button drawing a focus rectangle.
TEST_F(Flag, PressOpensTheMenuBelowAndItsChoiceReachesTheDialog)
{
    m_game.m_bFinished = false;
    QPoint menuPos;
    WhenMenuOpens([&](QMenu* pMenu) {
        menuPos = pMenu->pos();
        QTest::keyClick(pMenu, Qt::Key_C); // "&Cheat...", there only with Shift at the press
    });
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(menuPos, m_button->mapToGlobal(QPoint(0, m_button->height())));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_dlg.m_commands.isEmpty(); }));

    int nOpened = 0;
    WhenMenuOpens([&](QMenu*) { ++nOpened; }); // and closed without a choice
    QTest::mouseClick(m_button, Qt::RightButton);
    m_button->setFocus();
    WhenMenuOpens([&](QMenu*) { ++nOpened; });
    QTest::keyClick(m_button, Qt::Key_Space);
    QTest::qWait(30);
    EXPECT_EQ(nOpened, 1);
    EXPECT_EQ(m_dlg.m_commands, QList<int>{1409});
    EXPECT_FALSE(m_button->isDown());

    QStyleOptionButton option;
    m_button->initStyleOption(&option);
    EXPECT_TRUE(m_button->hasFocus());
    EXPECT_FALSE(option.state & QStyle::State_HasFocus);
}
