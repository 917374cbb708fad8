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

// Runs a box and answers it; returns the result and the captions of its visible buttons.
static QString RunBox(int nButtons, int nAnswer, int nSound = 0)
{
    CMessageDlg dlg(QStringLiteral("Question?"), nButtons, nSound);
    QString strShown;
    WhenModal([&](QWidget* pBox) {
        strShown = Button(pBox, IDOK)->text();
        if (Button(pBox, IDCANCEL)->isVisibleTo(pBox))
            strShown += '|' + Button(pBox, IDCANCEL)->text();
        nAnswer == ESCAPE ? QTest::keyClick(pBox, Qt::Key_Escape) : Click(pBox, nAnswer);
    });
    const int nResult = dlg.DoModal();
    return (nResult == IDOK ? "IDOK " : nResult == IDCANCEL ? "IDCANCEL " : "other ") + strShown;
}

// Guards against wrong captions or results, a lost Escape, and a missing, stray or blocking sound.
TEST(MessageDlg, ButtonSetsShowTheirCaptionsAndAnswerAndOnlyAGivenSoundPlays)
{
    CPlayerSettings player(theApp.m_nProgLang); // sound on
    theApp.m_pPlayer = &player;
    RecordingWavePlayer::Instance().Clear();
    const std::tuple<int, int, int, const char*> cases[] = {
        {0, 0, IDOK, "IDOK OK"},           {0, 1, IDCANCEL, "IDCANCEL OK|Cancel"},
        {0, 2, IDOK, "IDOK &Yes|&No"},     {1, 2, IDCANCEL, "IDCANCEL &Ja|&Nee"},
        {1, 1, IDOK, "IDOK OK|Annuleren"}, {0, 0, ESCAPE, "IDCANCEL OK"}, // no Cancel to press
    };
    for (const auto& [nLang, nButtons, nAnswer, pszShown] : cases) {
        theApp.m_nProgLang = nLang;
        EXPECT_EQ(RunBox(nButtons, nAnswer), pszShown);
    }
    theApp.m_nProgLang = 0;
    EXPECT_EQ(RunBox(2, ESCAPE, 4010), "IDCANCEL &Yes|&No");
    theApp.m_pPlayer = nullptr;
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>({4010}));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls()[0].bAsync);
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
