#include "DialogTemplates.h"
#include "GameApp.h"
#include "LanguageDlg.h"
#include "MessageDlg.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int IDC_ENGLISH = 201;
constexpr int IDC_DUTCH = 202;

class MessageDlgTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_player = std::make_unique<CPlayerSettings>(theApp.m_nProgLang);
        theApp.m_pPlayer = m_player.get();
        theApp.m_nProgLang = 0;
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override
    {
        theApp.m_pPlayer = nullptr;
        theApp.m_nProgLang = 0;
    }

    // Runs a box, lets pAnswer act on it, and reports the captions it showed.
    int Run(int nButtons, int nSound, const std::function<void(QWidget*)>& answer)
    {
        CMessageDlg dlg(QStringLiteral("Question?"), nButtons, nSound);
        WhenModal([&](QWidget* pBox) {
            m_strFirst = Button(pBox, IDOK)->text();
            m_strSecond = Button(pBox, IDCANCEL)->isVisibleTo(pBox) ? Button(pBox, IDCANCEL)->text()
                                                                     : QString();
            answer(pBox);
        });
        return dlg.DoModal();
    }

    std::unique_ptr<CPlayerSettings> m_player;
    QString m_strFirst;
    QString m_strSecond;
};

void PressEscape(QWidget* pBox)
{
    QTest::keyClick(pBox, Qt::Key_Escape);
}

} // namespace

// Guards against wrong captions or results for the three button sets.
TEST_F(MessageDlgTest, ButtonSetsShowTheirCaptionsAndAnswer)
{
    EXPECT_EQ(Run(0, 0, [](QWidget* p) { Click(p, IDOK); }), IDOK);
    EXPECT_EQ(m_strFirst, QStringLiteral("OK"));
    EXPECT_TRUE(m_strSecond.isEmpty());

    EXPECT_EQ(Run(1, 0, [](QWidget* p) { Click(p, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(m_strFirst, QStringLiteral("OK"));
    EXPECT_EQ(m_strSecond, QStringLiteral("Cancel"));

    EXPECT_EQ(Run(2, 0, [](QWidget* p) { Click(p, IDOK); }), IDOK);
    EXPECT_EQ(m_strFirst, QStringLiteral("&Yes"));
    EXPECT_EQ(m_strSecond, QStringLiteral("&No"));
    EXPECT_EQ(Run(2, 0, [](QWidget* p) { Click(p, IDCANCEL); }), IDCANCEL);

    theApp.m_nProgLang = 1;
    EXPECT_EQ(Run(2, 0, [](QWidget* p) { Click(p, IDOK); }), IDOK);
    EXPECT_EQ(m_strFirst, QStringLiteral("&Ja"));
    EXPECT_EQ(m_strSecond, QStringLiteral("&Nee"));
    EXPECT_EQ(Run(1, 0, [](QWidget* p) { Click(p, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(m_strSecond, QStringLiteral("Annuleren"));
}

// Guards against Escape being lost when the box has no Cancel button.
TEST_F(MessageDlgTest, EscapeAnswersCancelInEverySet)
{
    for (int nButtons : {0, 1, 2})
        EXPECT_EQ(Run(nButtons, 0, PressEscape), IDCANCEL) << nButtons;
}

// Guards against the box's sound playing when none was asked for, or synchronously.
TEST_F(MessageDlgTest, PlaysItsSoundOnOpeningOnlyWhenGivenOne)
{
    Run(2, 4010, PressEscape);
    Run(2, 0, PressEscape);
    m_player->m_bSound = false;
    Run(2, 4011, PressEscape);
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].nSoundId, 4010);
    EXPECT_TRUE(calls[0].bAsync);
}

// Guards against the language chooser closing on Escape or mixing up its flags.
TEST(LanguageDlg, FlagsChooseTheLanguageAndEscapeIsIgnored)
{
    for (int nId : {IDC_ENGLISH, IDC_DUTCH}) {
        CLanguageDlg dlg;
        bool bStillOpen = false;
        WhenModal([&](QWidget* pDlg) {
            EXPECT_FALSE(Button(pDlg, nId)->icon().isNull());
            QTest::keyClick(pDlg, Qt::Key_Escape);
            bStillOpen = pDlg->isVisible();
            Click(pDlg, nId);
        });
        EXPECT_EQ(dlg.DoModal(), nId == IDC_ENGLISH ? 0 : 1);
        EXPECT_TRUE(bStillOpen);
    }
}
