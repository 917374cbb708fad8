#include "GameApp.h"
#include "HelpDlg.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "TempRegistry.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

QString HelpText()
{
    return theApp.m_pHelpDlg->GetDlgItem(3005)->property("text").toString();
}

} // namespace

// Guards against a second help window, one left behind the main window, or a stale language.
TEST(AppCommands, HelpOpensOnceBesideTheMainWindowAndFollowsTheLanguage)
{
    TempRegistry registry;
    CPlayerSettings player(theApp.m_nProgLang);
    theApp.m_pPlayer = &player;
    QWidget mainWnd;
    mainWnd.setGeometry(100, 80, 200, 150);
    mainWnd.show();
    RecordingWavePlayer::Instance().Clear();

    ASSERT_TRUE(theApp.OnCmdMsg(1406, &mainWnd));
    QPointer<CHelpDlg> pFirst = theApp.m_pHelpDlg;
    ASSERT_TRUE(pFirst && pFirst->isVisible());
    EXPECT_TRUE(HelpText().startsWith("Try to guess the secret word!"));
    pFirst->move(0, 0);
    EXPECT_TRUE(theApp.OnCmdMsg(57670, &mainWnd));
    EXPECT_EQ(theApp.m_pHelpDlg, pFirst);
    EXPECT_EQ(pFirst->pos(), mainWnd.frameGeometry().topRight() + QPoint(1, 0));
    EXPECT_TRUE(QTest::qWaitForWindowActive(pFirst));

    const QString strEnglish = HelpText();
    theApp.SetProgLang(2);
    EXPECT_EQ(HelpText(), strEnglish);
    theApp.SetProgLang(1);
    EXPECT_NE(HelpText(), strEnglish);
    EXPECT_EQ(pFirst->windowTitle(), theApp.LoadLangString(10004));
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
