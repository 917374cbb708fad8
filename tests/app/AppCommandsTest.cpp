#include "GameApp.h"
#include "HelpDlg.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

// Guards against a second help window, one left behind the main window, or a stale language.
TEST(AppCommands, HelpOpensOnceBesideTheMainWindowAndFollowsTheLanguage)
{
    const auto Text = [] {
        return theApp.m_pHelpDlg->GetDlgItem(3005)->property("text").toString();
    };
    CPlayerSettings player(theApp.m_nProgLang);
    theApp.m_pPlayer = &player;
    QWidget mainWnd;
    mainWnd.setGeometry(100, 80, 200, 150), mainWnd.show();
    RecordingWavePlayer::Instance().Clear();

    QPointer<CHelpDlg> pFirst = theApp.OnCmdMsg(1406, &mainWnd) ? theApp.m_pHelpDlg : nullptr;
    ASSERT_TRUE(pFirst && pFirst->isVisible());
    pFirst->move(0, 0);
    EXPECT_TRUE(theApp.OnCmdMsg(57670, &mainWnd) && theApp.m_pHelpDlg == pFirst); // F1
    EXPECT_EQ(pFirst->pos(), mainWnd.frameGeometry().topRight() + QPoint(1, 0));
    EXPECT_TRUE(QTest::qWaitForWindowActive(pFirst));
    theApp.SetProgLang(2); // no such language
    EXPECT_TRUE(Text().startsWith("Try to guess the secret word!"));
    theApp.SetProgLang(1);
    EXPECT_TRUE(!Text().startsWith("Try") && pFirst->windowTitle() == theApp.LoadLangString(10004));
    theApp.SetProgLang(0);

    QTest::keyClick(pFirst, Qt::Key_Escape);
    EXPECT_EQ(theApp.m_pHelpDlg, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pFirst.isNull());
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), (QList<int>{4008, 4009}));
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[1].bAsync);

    theApp.OnCmdMsg(1406, &mainWnd);
    QTest::keyClick(theApp.m_pHelpDlg, Qt::Key_Return);
    EXPECT_EQ(theApp.m_pHelpDlg, nullptr);
    theApp.OnCmdMsg(1406, &mainWnd);
    ASSERT_TRUE(theApp.m_pHelpDlg);
    theApp.m_pPlayer = nullptr;
    delete theApp.m_pHelpDlg; // as when the main window closes with help open
    EXPECT_EQ(theApp.m_pHelpDlg, nullptr);
}
