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

namespace {

// What one run of the program showed, in order: each modal window's title or role.
struct ProgramRun {
    QStringList windows;
    bool bGameRunning = false;
};

// Plays through start-up: answers each window the way the test asks, then closes the
// main window. strName is typed into a name dialog; bCancelChooser cancels the player chooser.
ProgramRun StartProgram(const QString& strName, bool bCancelChooser = false)
{
    ProgramRun run;
    ModalWatcher driver([&](QWidget* pWnd) {
        if (auto* pGame = qobject_cast<CGameDlg*>(pWnd)) {
            run.windows << QStringLiteral("main");
            run.bGameRunning = !pGame->m_pGame->m_bFinished;
            QTest::keyClick(pWnd, Qt::Key_Escape);
        } else if (pWnd->windowTitle() == QStringLiteral("Select Language")) {
            run.windows << QStringLiteral("language");
            QTest::mouseClick(Button(pWnd, 201), Qt::LeftButton);
        } else if (Item(pWnd, 3002)) {
            run.windows << QStringLiteral("chooser:") + qobject_cast<QLabel*>(Item(pWnd, 3005))->text();
            if (bCancelChooser)
                QTest::keyClick(pWnd, Qt::Key_Escape);
            else
                Click(pWnd, IDOK);
        } else if (auto* pEdit = qobject_cast<QLineEdit*>(Item(pWnd, 3001))) {
            run.windows << QStringLiteral("name:") + qobject_cast<QLabel*>(Item(pWnd, 3005))->text();
            pEdit->setText(strName);
            Click(pWnd, IDOK);
        }
    });
    theApp.InitInstance();
    return run;
}

int ReadInt(HKEY hRoot, const QString& strKey, const QString& strValue, int nDefault = -99)
{
    CRegKey(hRoot, strKey).GetInt(strValue, nDefault);
    return nDefault;
}

QString ReadString(HKEY hRoot, const QString& strKey, const QString& strValue)
{
    QString str;
    CRegKey(hRoot, strKey).GetString(strValue, str);
    return str;
}

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        theApp.m_nProgLang = 0;
        theApp.m_bAutoStart = true;
    }
    TempRegistry m_registry;
};

} // namespace

// Guards against a first run that skips the language question or forgets what it learnt.
TEST_F(StartupTest, FirstRunAsksLanguageThenNameAndStoresEverything)
{
    const ProgramRun run = StartProgram(QStringLiteral("Tester"));
    EXPECT_EQ(run.windows, (QStringList{"language", "name:Please enter your name:", "main"}));
    EXPECT_TRUE(run.bGameRunning);
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "ProgLang"), 0);
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 1);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "Settings", "LastPlayer"), QStringLiteral("Tester"));
    EXPECT_EQ(ReadInt(HKEY_LOCAL_MACHINE, "Players\\Tester", "Dict"), 0);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "", "version"), QStringLiteral("1.0.00"));
    const QString strFolder = ReadString(HKEY_LOCAL_MACHINE, "", "folder");
    EXPECT_EQ(strFolder, QCoreApplication::applicationDirPath());
    EXPECT_FALSE(strFolder.endsWith(QLatin1Char('/')));
    EXPECT_EQ(theApp.m_pGame, nullptr);
}

// Guards against a stored language being asked again, or an invalid one being trusted.
TEST_F(StartupTest, StoredLanguageSkipsTheChooserOnlyWhenValid)
{
    CRegKey settings(HKEY_CURRENT_USER, QStringLiteral("Settings"));
    settings.SetInt(QStringLiteral("ProgLang"), 1);
    ProgramRun run = StartProgram(QStringLiteral("Piet"));
    EXPECT_EQ(run.windows, (QStringList{"name:Vul je naam in:", "main"}));
    // A new player of a Dutch program plays with the Dutch dictionary.
    EXPECT_EQ(ReadInt(HKEY_LOCAL_MACHINE, "Players\\Piet", "Dict"), 1);

    settings.SetInt(QStringLiteral("ProgLang"), 2);
    run = StartProgram(QString());
    EXPECT_EQ(run.windows.value(0), QStringLiteral("language"));
    EXPECT_EQ(run.windows.value(1), QStringLiteral("chooser:Please select your name:"));
}

// Guards against a cancelled player choice skipping the settings written at exit.
TEST_F(StartupTest, CancelledPlayerChoiceEndsWithoutWindowButStoresSettings)
{
    CRegKey(HKEY_LOCAL_MACHINE, QStringLiteral("Players\\Anna")).SetInt(QStringLiteral("Dict"), 3);
    CRegKey(HKEY_CURRENT_USER, QStringLiteral("Settings")).SetInt(QStringLiteral("ProgLang"), 0);
    const ProgramRun run = StartProgram(QString(), true);
    EXPECT_EQ(run.windows, QStringList{"chooser:Please select your name:"});
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 1);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "", "version"), QStringLiteral("1.0.00"));
}

// Guards against AutoStart switched off by hand still starting a game.
TEST_F(StartupTest, AutoStartOffOpensTheWindowWithoutAGame)
{
    CRegKey settings(HKEY_CURRENT_USER, QStringLiteral("Settings"));
    settings.SetInt(QStringLiteral("ProgLang"), 0);
    settings.SetBool(QStringLiteral("AutoStart"), false);
    const ProgramRun run = StartProgram(QStringLiteral("Tester"));
    EXPECT_EQ(run.windows.last(), QStringLiteral("main"));
    EXPECT_FALSE(run.bGameRunning);
    EXPECT_EQ(ReadInt(HKEY_CURRENT_USER, "Settings", "AutoStart"), 0);
}
