#include "app/GameApp.h"
#include "game/GameRound.h"
#include "res/Resource.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/TempRegistry.h"
#include "window/GameDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// Runs start-up; returns each window's prompt or title, "game" or "main" for the main window.
QStringList StartProgram(const QString& strName, bool bCancelChooser = false)
{
    QStringList windows;
    ModalWatcher driver([&](QWidget* pWnd) {
        const auto* pPrompt = qobject_cast<QLabel*>(Item(pWnd, IDC_TEXT));
        const auto* pMain = qobject_cast<CGameDlg*>(pWnd);
        windows << (pMain     ? pMain->m_pGame->m_bFinished ? "main" : "game"
                    : pPrompt ? pPrompt->text()
                              : pWnd->windowTitle());
        if (auto* pEdit = qobject_cast<QLineEdit*>(Item(pWnd, IDC_NAME));
            pEdit && !strName.isEmpty())
            pEdit->setText(strName);
        if (pMain || (bCancelChooser && Item(pWnd, IDC_PLAYERS)))
            QTest::keyClick(pWnd, Qt::Key_Escape);
        else
            Click(pWnd, pPrompt ? IDOK : IDC_ENGLISH);
    });
    theApp.InitInstance();
    return windows;
}

int ReadInt(HKEY hRoot, const QString& strKey, const QString& strValue)
{
    int nValue = -99;
    CRegKey(hRoot, strKey).GetInt(strValue, nValue);
    return nValue;
}

struct StartupTest : testing::Test {
    TempRegistry m_registry;
    CRegKey m_settings{HKEY_CURRENT_USER, QStringLiteral("Settings")};
};

} // namespace

// Guards against a first run that skips the language question or the name, or keeps the game.
TEST_F(StartupTest, FirstRunAsksLanguageThenNameAndPlays)
{
    EXPECT_EQ(StartProgram(QStringLiteral("Tester")),
              (QStringList{"Select Language", "Please enter your name:", "game"}));
    EXPECT_EQ(theApp.m_pGame, nullptr);
}

// Guards against a stored language asked again, or a new player without its dictionary.
TEST_F(StartupTest, StoredLanguageIsNotAskedAgainAndGivesANewPlayerItsDictionary)
{
    m_settings.SetInt(QStringLiteral("ProgLang"), 1);
    EXPECT_EQ(StartProgram(QStringLiteral("Piet")), (QStringList{"Vul je naam in:", "game"}));
    EXPECT_EQ(ReadInt(HKEY_LOCAL_MACHINE, "Players\\Piet", "Dict"), 1);
}

// Guards against an invalid language trusted, or a choice lost when the player chooser is
// cancelled.
TEST_F(StartupTest, InvalidLanguageIsAskedAndStoredEvenWhenThePlayerChoiceIsCancelled)
{
    StartProgram(QStringLiteral("Piet"));
    m_settings.SetInt(QStringLiteral("ProgLang"), 2);
    EXPECT_EQ(StartProgram(QString(), true),
              (QStringList{"Select Language", "Please select your name:"}));
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "ProgLang"), 0);
}

TEST_F(StartupTest, AutoStartOffOpensTheWindowWithoutAGame)
{
    m_settings.SetInt(QStringLiteral("ProgLang"), 0);
    m_settings.SetBool(QStringLiteral("AutoStart"), false);
    StartProgram(QStringLiteral("Piet"));
    EXPECT_EQ(StartProgram(QString()), (QStringList{"Please select your name:", "main"}));
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 0);
}
