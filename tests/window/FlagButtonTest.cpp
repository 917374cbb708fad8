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

// Each language's menu with the sound check (%2), Cheat (%3) and Set Word (%4).
const char* const MENUS[][3] = {
    {"&Dictionary[%1]|&Program[English*|Nederlands]|&Sound%2|-|&New Game|Hi&gh Scores...%3%4|-|"
     "&Help...|&About...|-|E&xit",
     "|&Cheat...", "|Set Wo&rd..."},
    {"&Woordenboek[%1]|&Programma[English|Nederlands*]|&Geluid%2|-|&Nieuw spel|"
     "Hoogste s&cores...%3%4|-|&Help...|&Over...|-|A&fsluiten",
     "|&Spieken...", "|Woo&rd instellen..."}};
const QString DICTIONARIES = QStringLiteral("Deutsch|English|Español|Esperanto|Français|Gaelic|"
                                            "Italiano|Latinum*|Nederlands|Swahili|-|Info...");

struct CommandDlg : CBaseDlg {
    CommandDlg() : CBaseDlg(0) {}
    bool OnCommand(int nId) override { return m_commands.append(nId), true; }
    QList<int> m_commands;
};

struct ProbeButton : CFlagButton {
    using CFlagButton::CFlagButton;
    using CFlagButton::initStyleOption;
};

// The flag button in an active window that notes its commands; Latin is the dictionary.
class Flag : public testing::Test
{
protected:
    void SetUp() override
    {
        m_game.m_nDict = 8;
        m_button->m_pGame = &m_game;
        m_button->m_pPlayer = &m_player;
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    void TearDown() override { theApp.m_nProgLang = 0; }

    // Counts each menu that opens while the button gets the input, and presses key in it.
    int Opened(const std::function<void()>& input, Qt::Key key = Qt::Key_Escape)
    {
        int nOpened = 0;
        QObject scope; // no late call into this frame
        QTimer::singleShot(10, &scope, [&] {
            if (QPointer<QMenu> pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                ++nOpened;
                EXPECT_EQ(pMenu->pos(), m_button->mapToGlobal(QPoint(0, m_button->height())));
                QTest::keyClick(pMenu, key);
            }
        });
        input();
        QTest::qWait(30);
        return nOpened;
    }

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
        const auto& menuText = MENUS[theApp.m_nProgLang = nCase & 1];
        m_player.m_bSound = nCase & 2;
        m_game.m_bFinished = nCase & 4;
        const bool bShift = nCase & 8, bCtrl = nCase & 16;
        QMenu menu;
        ASSERT_TRUE(m_button->BuildFlagMenu(menu, Qt::KeyboardModifiers()
                                                      .setFlag(Qt::ShiftModifier, bShift)
                                                      .setFlag(Qt::ControlModifier, bCtrl)));
        const QString strCheat = menuText[1] + QString(m_game.m_bFinished ? "~" : "");
        EXPECT_EQ(Describe(menu), QString::fromUtf8(menuText[0])
                                      .arg(DICTIONARIES, m_player.m_bSound ? "*" : "",
                                           bShift ? strCheat : "", bCtrl ? menuText[2] : ""))
            << "case " << nCase;
    }
}

// Guards against a menu opening elsewhere or from the keys, a lost choice, or a focus rectangle.
TEST_F(Flag, PressOpensTheMenuBelowAndItsChoiceReachesTheDialog)
{
    m_game.m_bFinished = false;
    m_button->setGeometry(20, 30, 24, 24);
    // "&Cheat...", there only with Shift at the press
    EXPECT_EQ(
        Opened([&] { QTest::mouseClick(m_button, Qt::LeftButton, Qt::ShiftModifier); }, Qt::Key_C),
        1);
    EXPECT_EQ(Opened([&] { QTest::mouseClick(m_button, Qt::RightButton); }), 1);
    m_button->setFocus();
    EXPECT_EQ(Opened([&] { QTest::keyClick(m_button, Qt::Key_Space); }), 0);
    EXPECT_EQ(m_dlg.m_commands, QList<int>{1409});
    EXPECT_FALSE(m_button->isDown());
    QStyleOptionButton option;
    m_button->initStyleOption(&option);
    EXPECT_TRUE(m_button->hasFocus());
    EXPECT_FALSE(option.state & QStyle::State_HasFocus);
}
