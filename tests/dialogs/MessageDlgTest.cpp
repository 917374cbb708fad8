#include "dialogs/MessageDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/LanguageDlg.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int ESCAPE = 0; // instead of a button

// Guards against wrong captions or results, a lost Escape, and a missing, stray or blocking sound.
TEST(MessageDlg, ButtonSetsShowTheirCaptionsAndAnswerAndOnlyAGivenSoundPlays)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    const struct {
        int nLang, nButtons, nAnswer, nSound;
        const char *pszOk, *pszCancel; // nullptr: no Cancel button
    } cases[] = {
        {ENGLISH, CMessageDlg::MB_OK_ONLY, IDOK, 0, "OK", nullptr},
        {ENGLISH, CMessageDlg::MB_OK_CANCEL, IDCANCEL, 0, "OK", "Cancel"},
        {ENGLISH, CMessageDlg::MB_YES_NO, IDOK, 0, "&Yes", "&No"},
        {DUTCH, CMessageDlg::MB_YES_NO, IDCANCEL, 0, "&Ja", "&Nee"},
        {DUTCH, CMessageDlg::MB_OK_CANCEL, IDOK, 0, "OK", "Annuleren"},
        {ENGLISH, CMessageDlg::MB_OK_ONLY, ESCAPE, SND_QUESTION, "OK", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        AppCore().m_nProgLang = c.nLang;
        CMessageDlg dlg(QStringLiteral("Question?"), c.nButtons, c.nSound);
        dlg.Create();
        dlg.show();
        EXPECT_EQ(Button(&dlg, IDOK)->text(), c.pszOk);
        EXPECT_EQ(Button(&dlg, IDCANCEL)->isVisible(), c.pszCancel != nullptr);
        if (c.pszCancel) {
            EXPECT_EQ(Button(&dlg, IDCANCEL)->text(), c.pszCancel);
        }
        if (c.nAnswer == ESCAPE)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            Click(&dlg, c.nAnswer);
        EXPECT_EQ(dlg.result(), c.nAnswer == ESCAPE ? IDCANCEL : c.nAnswer);
    }
    AppCore().SetPlayer(nullptr);
    AppCore().m_nProgLang = ENGLISH;
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_QUESTION});
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}

// Guards against the language chooser closing on Escape or mixing up its flags.
TEST(LanguageDlg, FlagsChooseTheLanguageAndEscapeIsIgnored)
{
    CLanguageDlg dlg;
    dlg.Create();
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(Button(&dlg, IDC_ENGLISH)->icon().isNull());
    EXPECT_FALSE(Button(&dlg, IDC_DUTCH)->icon().isNull());
    Click(&dlg, IDC_DUTCH);
    EXPECT_EQ(dlg.result(), DUTCH); // the start-up test chooses English
}
