#include "dialogs/MessageDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/LanguageDlg.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

// Guards against wrong captions or results, a lost Escape, and a missing, stray or blocking sound.
TEST(MessageDlg, ButtonSetsShowTheirCaptionsAndAnswerAndOnlyAGivenSoundPlays)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    const std::tuple<int, int, int, int, const char*> cases[] = {
        {0, 0, IDOK, 0, "1 OK"},           {0, 1, IDCANCEL, 0, "2 OK|Cancel"},
        {0, 2, IDOK, 0, "1 &Yes|&No"},     {1, 2, IDCANCEL, 0, "2 &Ja|&Nee"},
        {1, 1, IDOK, 0, "1 OK|Annuleren"}, {0, 0, 0, 4010, "2 OK"},
    };
    for (const auto& [nLang, nButtons, nAnswer, nSound, pszShown] : cases) {
        AppCore().m_nProgLang = nLang;
        CMessageDlg dlg(QStringLiteral("Question?"), nButtons, nSound);
        dlg.Create(), dlg.show();
        QString str = Button(&dlg, IDOK)->text();
        if (Button(&dlg, IDCANCEL)->isVisible())
            str += '|' + Button(&dlg, IDCANCEL)->text();
        nAnswer ? Click(&dlg, nAnswer) : QTest::keyClick(&dlg, Qt::Key_Escape); // 0: Escape
        EXPECT_EQ(QString::number(dlg.result()) + ' ' + str, pszShown); // IDOK 1, IDCANCEL 2
    }
    AppCore().SetPlayer(nullptr);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>({4010}));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}

// Guards against the language chooser closing on Escape or mixing up its flags.
TEST(LanguageDlg, FlagsChooseTheLanguageAndEscapeIsIgnored)
{
    CLanguageDlg dlg;
    dlg.Create(), dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(Button(&dlg, 201)->icon().isNull() || Button(&dlg, 202)->icon().isNull());
    Click(&dlg, 202);
    EXPECT_EQ(dlg.result(), 1); // Dutch; the start-up test chooses English
}
