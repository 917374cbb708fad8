#include "MessageDlg.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "LanguageDlg.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

constexpr int ESCAPE = 0; // an answer: the Escape key instead of a button

// Runs a box and answers it; strShown gets the captions of its visible buttons.
static int RunBox(int nButtons, int nSound, int nAnswer, QString& strShown)
{
    CMessageDlg dlg(QStringLiteral("Question?"), nButtons, nSound);
    WhenModal([&](QWidget* pBox) {
        strShown = Button(pBox, IDOK)->text();
        if (Button(pBox, IDCANCEL)->isVisibleTo(pBox))
            strShown += '|' + Button(pBox, IDCANCEL)->text();
        nAnswer == ESCAPE ? QTest::keyClick(pBox, Qt::Key_Escape) : Click(pBox, nAnswer);
    });
    return dlg.DoModal();
}

// Guards against wrong captions or results for the three button sets, and against Escape
// being lost when the box has no Cancel button.
TEST(MessageDlg, ButtonSetsShowTheirCaptionsAndAnswer)
{
    const struct {
        int nLang, nButtons, nAnswer, nResult;
        const char* pszShown;
    } cases[] = {
        {0, 0, IDOK, IDOK, "OK"},       {0, 1, IDCANCEL, IDCANCEL, "OK|Cancel"},
        {0, 2, IDOK, IDOK, "&Yes|&No"}, {0, 2, IDCANCEL, IDCANCEL, "&Yes|&No"},
        {1, 2, IDOK, IDOK, "&Ja|&Nee"}, {1, 1, IDCANCEL, IDCANCEL, "OK|Annuleren"},
        {0, 0, ESCAPE, IDCANCEL, "OK"}, {0, 2, ESCAPE, IDCANCEL, "&Yes|&No"},
    };
    for (const auto& c : cases) {
        theApp.m_nProgLang = c.nLang;
        QString strShown;
        EXPECT_EQ(RunBox(c.nButtons, 0, c.nAnswer, strShown), c.nResult);
        EXPECT_EQ(strShown, c.pszShown) << c.nButtons << " " << c.nAnswer;
    }
    theApp.m_nProgLang = 0;
}

// Guards against the box's sound playing when none was asked for, or synchronously.
TEST(MessageDlg, PlaysItsSoundOnOpeningOnlyWhenGivenOne)
{
    CPlayerSettings player(theApp.m_nProgLang); // sound on
    theApp.m_pPlayer = &player;
    RecordingWavePlayer::Instance().Clear();
    QString strShown;
    RunBox(2, 4010, ESCAPE, strShown);
    RunBox(2, 0, ESCAPE, strShown);
    player.m_bSound = false;
    RunBox(2, 4011, ESCAPE, strShown);
    theApp.m_pPlayer = nullptr;
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls[0].nSoundId == 4010 && calls[0].bAsync);
}

// Guards against the language chooser closing on Escape or mixing up its flags.
TEST(LanguageDlg, FlagsChooseTheLanguageAndEscapeIsIgnored)
{
    for (int nFlag : {201, 202}) { // English, Dutch
        CLanguageDlg dlg;
        WhenModal([&](QWidget* pDlg) {
            EXPECT_FALSE(Button(pDlg, nFlag)->icon().isNull());
            QTest::keyClick(pDlg, Qt::Key_Escape);
            EXPECT_TRUE(pDlg->isVisible());
            Click(pDlg, nFlag);
        });
        EXPECT_EQ(dlg.DoModal(), nFlag == 201 ? 0 : 1);
    }
}
