#include "app/GameApp.h"
#include "appcore/AppCore.h"
#include "dialogs/HelpDlg.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/RecordingWavePlayer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

struct HelpCommandTest : testing::Test {
    HelpCommandTest()
    {
        AppCore().SetPlayer(&m_player);
        // Room for help at the right of the main window, whatever the scale.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        m_mainWnd.setGeometry(screen.width() / 10, 80, screen.width() / 5, 150);
        m_mainWnd.show();
        RecordingWavePlayer::Instance().Clear();
    }
    ~HelpCommandTest() override
    {
        delete theApp.m_pHelpDlg;
        AppCore().SetPlayer(nullptr);
        AppCore().SetProgLang(0);
    }

    CHelpDlg* OpenHelp()
    {
        theApp.OnCmdMsg(ID_HELP, &m_mainWnd);
        return theApp.m_pHelpDlg;
    }
    QString HelpText() const
    {
        return theApp.m_pHelpDlg->GetDlgItem(IDC_TEXT)->property("text").toString();
    }
    static void DeleteClosedWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CPlayerSettings m_player{AppCore().m_nProgLang}; // sound on
    QWidget m_mainWnd;
};

} // namespace

TEST_F(HelpCommandTest, OpensBesideTheMainWindow)
{
    const CHelpDlg* pHelp = OpenHelp();
    ASSERT_NE(pHelp, nullptr);
    EXPECT_TRUE(pHelp->isVisible());
    EXPECT_EQ(pHelp->pos(), m_mainWnd.frameGeometry().topRight() + QPoint(1, 0));
}

// Guards against help covering the main window where the screen has no room at its right.
TEST_F(HelpCommandTest, OpensAtTheLeftWhereTheRightHasNoRoom)
{
    const QRect screen = m_mainWnd.screen()->availableGeometry();
    m_mainWnd.move(screen.right() - m_mainWnd.frameGeometry().width(), 80);
    const CHelpDlg* pHelp = OpenHelp();
    EXPECT_EQ(pHelp->frameGeometry().right() + 1, m_mainWnd.frameGeometry().left());
}

// Guards against help over the main window when the screen holds both side by side only
// once the main window moves aside.
TEST_F(HelpCommandTest, MovesTheMainWindowAsideWhereNeitherSideHasRoom)
{
    const QRect screen = m_mainWnd.screen()->availableGeometry();
    m_mainWnd.resize(screen.width() / 3, 150);
    m_mainWnd.move(screen.center().x() - m_mainWnd.width() / 2, 80);
    const CHelpDlg* pHelp = OpenHelp();
    if (pHelp->frameGeometry().width() + m_mainWnd.frameGeometry().width() > screen.width())
        GTEST_SKIP() << "the screen is too small for both";
    EXPECT_FALSE(pHelp->frameGeometry().intersects(m_mainWnd.frameGeometry()));
    EXPECT_TRUE(screen.contains(pHelp->frameGeometry()));
}

// Guards against a second help window, or one left where the player moved it.
TEST_F(HelpCommandTest, F1WithHelpOpenBringsTheSameWindowBack)
{
    CHelpDlg* pFirst = OpenHelp();
    pFirst->move(0, 0);
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP_INDEX, &m_mainWnd));
    EXPECT_EQ(theApp.m_pHelpDlg, pFirst);
    EXPECT_EQ(pFirst->pos(), m_mainWnd.frameGeometry().topRight() + QPoint(1, 0));
    EXPECT_TRUE(QTest::qWaitForWindowActive(pFirst));
}

TEST_F(HelpCommandTest, FollowsALanguageSwitchAtOnce)
{
    CHelpDlg* pHelp = OpenHelp();
    AppCore().SetProgLang(2); // no such language
    EXPECT_TRUE(HelpText().startsWith("Try to guess the secret word!"));
    AppCore().SetProgLang(1);
    EXPECT_TRUE(HelpText().startsWith("Probeer het verborgen woord te raden!"));
    EXPECT_EQ(pHelp->windowTitle(), "Help");
}

TEST_F(HelpCommandTest, EscapeClosesWithItsSoundPlayedToTheEnd)
{
    QPointer<CHelpDlg> pHelp = OpenHelp();
    QTest::keyClick(pHelp, Qt::Key_Escape);
    DeleteClosedWindows();
    EXPECT_TRUE(pHelp.isNull());
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(),
              (QList<int>{SND_WINDOW_OPEN, SND_WINDOW_CLOSED}));
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[1].bAsync);
}

// Guards against Help reviving a window that is on its way out.
TEST_F(HelpCommandTest, HelpRightAfterEnterOpensAFreshWindow)
{
    QPointer<CHelpDlg> pFirst = OpenHelp();
    QTest::keyClick(pFirst, Qt::Key_Return);
    const CHelpDlg* pSecond = OpenHelp();
    EXPECT_NE(pSecond, pFirst);
    DeleteClosedWindows();
    EXPECT_TRUE(pFirst.isNull());
    EXPECT_EQ(theApp.m_pHelpDlg, pSecond);
}

TEST_F(HelpCommandTest, ClosingWithTheMainWindowPlaysTheClosingSound)
{
    delete OpenHelp(); // as when the main window closes with help open
    EXPECT_EQ(theApp.m_pHelpDlg, nullptr);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds().last(), SND_WINDOW_CLOSED);
}
