#include "DialogTemplates.h"
#include "GameApp.h"
#include "GameDlg.h"
#include "GameRound.h"
#include "ModalDriver.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// Runs start-up, answering each window, and returns them in order with their prompts; the main
// window is "game" when a game runs. strName goes to a name dialog; bCancelChooser cancels.
QStringList StartProgram(const QString& strName, bool bCancelChooser = false)
{
    QStringList windows;
    ModalWatcher driver([&](QWidget* pWnd) {
        const auto* pPrompt = qobject_cast<QLabel*>(Item(pWnd, 3005));
        if (auto* pMain = qobject_cast<CGameDlg*>(pWnd)) {
            windows << (pMain->m_pGame->m_bFinished ? "main" : "game");
            QTest::keyClick(pWnd, Qt::Key_Escape);
        } else if (pWnd->windowTitle() == QStringLiteral("Select Language")) {
            windows << QStringLiteral("language");
            QTest::mouseClick(Button(pWnd, 201), Qt::LeftButton);
        } else if (Item(pWnd, 3002)) {
            windows << "chooser:" + pPrompt->text();
            bCancelChooser ? QTest::keyClick(pWnd, Qt::Key_Escape) : Click(pWnd, IDOK);
        } else if (auto* pEdit = qobject_cast<QLineEdit*>(Item(pWnd, 3001))) {
            windows << "name:" + pPrompt->text();
            pEdit->setText(strName);
            Click(pWnd, IDOK);
        }
    });
    theApp.InitInstance();
    return windows;
}

int ReadInt(HKEY hRoot, const QString& strKey, const QString& strValue)
{
    int nValue = -99;
    return CRegKey(hRoot, strKey).GetInt(strValue, nValue), nValue;
}

QString ReadString(HKEY hRoot, const QString& strKey, const QString& strValue)
{
    QString str;
    return CRegKey(hRoot, strKey).GetString(strValue, str), str;
}

struct StartupTest : testing::Test {
    TempRegistry m_registry;
    CRegKey m_settings{HKEY_CURRENT_USER, QStringLiteral("Settings")};
};

} // namespace

// Guards against a first run that skips the language question or forgets what it learnt.
TEST_F(StartupTest, FirstRunAsksLanguageThenNameAndStoresEverything)
{
    EXPECT_EQ(StartProgram(QStringLiteral("Tester")),
              (QStringList{"language", "name:Please enter your name:", "game"}));
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "ProgLang"), 0);
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 1);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "Settings", "LastPlayer"), QStringLiteral("Tester"));
    EXPECT_EQ(ReadInt(HKEY_LOCAL_MACHINE, "Players\\Tester", "Dict"), 0);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "", "version"), QStringLiteral("1.0.00"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "", "folder"), QCoreApplication::applicationDirPath());
    EXPECT_EQ(theApp.m_pGame, nullptr);
}

// Guards against a stored language asked again, an invalid one trusted, or the wrong dictionary.
TEST_F(StartupTest, StoredLanguageSkipsTheChooserOnlyWhenValid)
{
    m_settings.SetInt(QStringLiteral("ProgLang"), 1);
    EXPECT_EQ(StartProgram(QStringLiteral("Piet")), (QStringList{"name:Vul je naam in:", "game"}));
    EXPECT_EQ(ReadInt(HKEY_LOCAL_MACHINE, "Players\\Piet", "Dict"), 1);
    m_settings.SetInt(QStringLiteral("ProgLang"), 2);
    EXPECT_EQ(StartProgram(QString()).mid(0, 2),
              (QStringList{"language", "chooser:Please select your name:"}));
}

// Guards against a cancelled choice not storing the settings, and AutoStart off starting a game.
TEST_F(StartupTest, CancelledChoiceStillStoresAndAutoStartOffStartsNoGame)
{
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\Anna")).SetInt(QStringLiteral("Dict"), 3);
    m_settings.SetInt(QStringLiteral("ProgLang"), 0);
    EXPECT_EQ(StartProgram(QString(), true), QStringList{"chooser:Please select your name:"});
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 1);
    m_settings.SetBool(QStringLiteral("AutoStart"), false);
    m_settings.SetString(QStringLiteral("LastPlayer"), QStringLiteral("Anna"));
    EXPECT_EQ(StartProgram(QString()), (QStringList{"chooser:Please select your name:", "main"}));
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 0);
}
