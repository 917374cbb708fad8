#include "app/GameApp.h"

#include "appcore/AppCore.h"
#include "appcore/Version.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/HelpDlg.h"
#include "dialogs/HighScoresDlg.h"
#include "dialogs/LanguageDlg.h"
#include "dialogs/NameDlg.h"
#include "dialogs/PlayerDlg.h"
#include "dialogs/StatisticsDlg.h"
#include "game/GameRound.h"
#include "platform/EndRequest.h"
#include "platform/Icons.h"
#include "platform/Random.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "store/RegLayout.h"
#include "window/GameDlg.h"

#include <QGuiApplication>
#include <QTimer>

CGameApp theApp;

namespace
{

// Runs a player dialog and hands back its result and the name it ended with.
template <class Dialog> int RunPlayerDialog(QString& strName)
{
    Dialog dlg;
    const int nResult = dlg.DoModal();
    strName = dlg.m_strName;
    return nResult;
}

} // namespace

CGameApp::CGameApp() = default;

CGameApp::~CGameApp() = default;

bool CGameApp::InitInstance()
{
    SeedRandomForTests();
    OnEndRequest([] { EndSession(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CGameApp::EndSession);
    // One icon and one name for every window, matching the installed menu entry. The icon,
    // four pictures for the window manager, follows once the first window is on its way.
    QTimer::singleShot(0, [] { QGuiApplication::setWindowIcon(LoadIconRes(IDI_PROGRAM)); });
    QGuiApplication::setDesktopFileName(QStringLiteral("example.torvane.Kelvara"));
    ReadSettings();
    // Kept at once, so that a session that ends without Exit loses nothing chosen so far.
    StoreSettings();
    connect(&AppCore(), &CAppCore::ProgLangChanged, this, &CGameApp::StoreSettings);

    CAppCore& core = AppCore();
    m_pGame = std::make_unique<CGameRound>();
    m_pPlayer = std::make_unique<CPlayerSettings>(core.m_nProgLang);
    m_pHighScores = std::make_unique<CHighScoreTable>();
    core.SetPlayer(m_pPlayer.get());
    if (SelectPlayer() == IDOK)
        RunMainWindow();
    core.SetPlayer(nullptr);
    m_pGame.reset();
    m_pPlayer.reset();
    m_pHighScores.reset();

    StoreSettings();
    StoreProgramInfo();
    return false;
}

void CGameApp::EndSession()
{
    // Every dialog's loop ends, and so does every one opened after, so the program runs its
    // ordinary shutdown without a question and without waiting on a sound.
    QCoreApplication::exit(0);
}

void CGameApp::ReadSettings()
{
    using namespace RegLayout;
    const CRegKey key(SETTINGS.hRoot, SETTINGS.subKey);
    CAppCore& core = AppCore();
    core.m_bAutoStart = AUTO_START.defValue;
    key.GetBool(AUTO_START.name, core.m_bAutoStart);
    int nLang = PROG_LANG.defValue;
    key.GetInt(PROG_LANG.name, nLang);
    if (!CAppCore::IsValidProgLang(nLang)) {
        CLanguageDlg dlg;
        nLang = dlg.DoModal();
    }
    // Settled before the player exists: a new player takes the language as dictionary.
    core.SetProgLang(nLang);
}

void CGameApp::StoreSettings()
{
    using namespace RegLayout;
    const CRegKey key(SETTINGS.hRoot, SETTINGS.subKey);
    key.SetBool(AUTO_START.name, AppCore().m_bAutoStart);
    key.SetInt(PROG_LANG.name, AppCore().m_nProgLang);
}

void CGameApp::StoreProgramInfo()
{
    using namespace RegLayout;
    const CRegKey key(PROGRAM.hRoot, PROGRAM.subKey);
    key.SetString(FOLDER, GetModuleFolder());
    key.SetString(VERSION, GetVersionText());
}

void CGameApp::RunMainWindow()
{
    CGameDlg dlg;
    dlg.m_pGame = m_pGame.get();
    dlg.m_pPlayer = m_pPlayer.get();
    dlg.m_pHighScores = m_pHighScores.get();
    dlg.m_pCommands = this;
    // The main window blocks no other: help, which the window system may place as a window
    // of its own (Wayland), must still take keys and clicks while the game runs.
    dlg.setWindowModality(Qt::WindowModal);
    dlg.DoModal();
    // Also when a signal or a logout ended the window without Exit: killing the program must
    // not keep a run of wins.
    dlg.CountAbandonedGame();
}

int CGameApp::SelectPlayer()
{
    QString strName;
    const int nResult = CPlayerSettings::ListPlayers() > 0 ? RunPlayerDialog<CPlayerDlg>(strName)
                                                           : RunPlayerDialog<CNameDlg>(strName);
    if (nResult == IDOK) {
        m_pPlayer->Load(strName);
        m_pPlayer->Save(); // a new player, and the last player, are kept at once
    }
    if (m_pGame->m_nDict != m_pPlayer->m_nDict)
        m_pGame->m_nDict = m_pPlayer->m_nDict;
    return nResult;
}

QString CGameApp::GetModuleFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString CGameApp::GetVersionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VERSION_MAJOR)
        .arg(VERSION_MINOR)
        .arg(VERSION_PATCH, 2, 10, QLatin1Char('0'));
}

bool CGameApp::OnCmdMsg(int nId, QWidget* pMainWnd)
{
    switch (nId) {
    case ID_HELP_INDEX:
    case ID_HELP:
        OnHelp(pMainWnd);
        return true;
    case ID_ABOUT:
        OnAbout(pMainWnd);
        return true;
    case ID_HIGH_SCORES:
        OnHighScores(pMainWnd);
        return true;
    case ID_STATISTICS:
        OnStatistics(pMainWnd);
        return true;
    default:
        return false;
    }
}

void CGameApp::OnHelp(QWidget* pMainWnd)
{
    if (m_pHelpDlg && !m_pHelpDlg->IsClosing()) {
        m_pHelpDlg->Reposition();
        return;
    }
    m_pHelpDlg = new CHelpDlg(pMainWnd);
    m_pHelpDlg->Create();
}

void CGameApp::OnAbout(QWidget* pMainWnd)
{
    CAboutDlg dlg(pMainWnd);
    dlg.DoModal();
}

void CGameApp::OnHighScores(QWidget* pMainWnd)
{
    AppCore().PlaySoundRes(SND_HIGH_SCORES, true);
    CHighScoresDlg dlg(m_pHighScores.get(), pMainWnd);
    dlg.DoModal();
}

void CGameApp::OnStatistics(QWidget* pMainWnd)
{
    AppCore().PlaySoundRes(SND_HIGH_SCORES, true);
    CStatisticsDlg dlg(m_pPlayer->m_strName, m_pGame->m_nDict, pMainWnd);
    dlg.DoModal();
}
