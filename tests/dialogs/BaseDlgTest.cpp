// How dialogs are built from templates, and the two plain boxes; no other layer checks them.
#include "dialogs/BaseDlg.h"
#include "appcore/AppCore.h"
#include "dialogs/LanguageDlg.h"
#include "dialogs/MessageDlg.h"
#include "platform/DialogBuilder.h"
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

// Every dialog's own test uses the operations by id.
TEST(BaseDlg, TakesItsTemplatesStylesAndNeighbouringCellsShareTheirEdges)
{
    CBaseDlg dlg(IDD_PLAYER);
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_NAME)->isHidden());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_NAME)->isEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->property("default").toBool());
    CBaseDlg game(IDD_GAME);
    ASSERT_TRUE(game.Create());
    for (int nId = IDC_FIRST_LETTER; nId < IDC_LAST_LETTER; ++nId)
        EXPECT_EQ(game.GetDlgItem(nId)->geometry().right() + 1,
                  game.GetDlgItem(nId + 1)->geometry().left())
            << nId;
    EXPECT_EQ(game.size(), DialogUnitsToPixels(*FindDialogTemplate(IDD_GAME), 80, 35));
}

TEST(MessageDlg, ShowsItsButtonSetInTheProgramLanguageAnswersAndPlaysOnlyAGivenSound)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    using M = CMessageDlg;
    const struct {
        const char* pszRow;
        int nLang, nButtons, nSound;
        const char *pszOk, *pszCancel; // nullptr: no Cancel button
        int nClick;                    // the button clicked, or ESCAPE
    } rows[] = {
        {"OK only", ENGLISH, M::MB_OK_ONLY, 0, "OK", nullptr, IDOK},
        {"OK, Cancel", ENGLISH, M::MB_OK_CANCEL, 0, "OK", "Cancel", IDCANCEL},
        {"Yes, No", ENGLISH, M::MB_YES_NO, 0, "&Yes", "&No", IDOK},
        {"Dutch", DUTCH, M::MB_YES_NO, 0, "&Ja", "&Nee", IDCANCEL},
        {"Escape, sound", ENGLISH, M::MB_OK_ONLY, SND_QUESTION, "OK", nullptr, ESCAPE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszRow);
        AppCore().m_nProgLang = row.nLang;
        CMessageDlg dlg(QStringLiteral("Question?"), row.nButtons, row.nSound);
        dlg.Create();
        dlg.show();
        EXPECT_EQ(Button(&dlg, IDOK)->text(), row.pszOk);
        EXPECT_EQ(Button(&dlg, IDCANCEL)->isVisible(), row.pszCancel != nullptr);
        if (row.pszCancel) {
            EXPECT_EQ(Button(&dlg, IDCANCEL)->text(), row.pszCancel);
        }
        if (row.nClick == ESCAPE)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            Click(&dlg, row.nClick);
        EXPECT_EQ(dlg.result(), row.nClick == ESCAPE ? IDCANCEL : row.nClick);
    }
    AppCore().SetPlayer(nullptr);
    AppCore().m_nProgLang = ENGLISH;
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_QUESTION});
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}

TEST(LanguageDlg, EachFlagChoosesItsLanguageAndEscapeIsIgnored)
{
    for (const auto& [nFlag, nLang] : {std::pair{IDC_ENGLISH, ENGLISH}, {IDC_DUTCH, DUTCH}}) {
        CLanguageDlg dlg;
        dlg.Create();
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_TRUE(dlg.isVisible()) << nFlag;
        EXPECT_FALSE(Button(&dlg, nFlag)->icon().isNull()) << nFlag;
        Click(&dlg, nFlag);
        EXPECT_EQ(dlg.result(), nLang) << nFlag;
    }
}
