#include "GameApp.h"

#include "AboutDlg.h"
#include "DialogTemplates.h"
#include "GameDlg.h"
#include "GameRound.h"
#include "HelpDlg.h"
#include "HighScoreTable.h"
#include "HighScoresDlg.h"
#include "LanguageDlg.h"
#include "NameDlg.h"
#include "PlayerDlg.h"
#include "PlayerSettings.h"
#include "Random.h"
#include "RegKey.h"
#include "RegLayout.h"
#include "Resources.h"
#include "SoundIds.h"
#include "StringTable.h"
#include "WavePlayer.h"

#include <QCoreApplication>
#include <ctime>

CGameApp theApp;

namespace
{

constexpr int ID_HELP_INDEX = 57670; // the toolkit's Help key
constexpr int ID_HELP = 1406;
constexpr int ID_ABOUT = 1407;
constexpr int ID_HIGH_SCORES = 1411;

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

bool CGameApp::IsValidProgLang(int nLang)
{
    return nLang == 0 || nLang == 1;
}

bool CGameApp::InitInstance()
{
    SeedRandom(static_cast<unsigned int>(std::time(nullptr)));

    using namespace RegLayout;
    CRegKey key(SETTINGS.hRoot, SETTINGS.subKey);
    m_bAutoStart = AUTO_START.defValue;
    key.GetBool(AUTO_START.name, m_bAutoStart);
    int nLang = PROG_LANG.defValue;
    key.GetInt(PROG_LANG.name, nLang);
    if (!IsValidProgLang(nLang)) {
        CLanguageDlg dlg;
        nLang = dlg.DoModal();
    }
    // Settled before the player exists: a new player takes the language as dictionary.
    m_nProgLang = nLang;

    m_pGame = new CGameRound;
    m_pPlayer = new CPlayerSettings(m_nProgLang);
    m_pHighScores = new CHighScoreTable;

    if (SelectPlayer() == IDOK) {
        CGameDlg dlg;
        dlg.m_pGame = m_pGame;
        dlg.m_pPlayer = m_pPlayer;
        dlg.m_pHighScores = m_pHighScores;
        dlg.DoModal();
    }

    delete m_pGame;
    m_pGame = nullptr;
    delete m_pPlayer;
    m_pPlayer = nullptr;
    delete m_pHighScores; // stores the table if it changed
    m_pHighScores = nullptr;

    key.SetBool(AUTO_START.name, m_bAutoStart);
    key.SetInt(PROG_LANG.name, m_nProgLang);
    key.SetKey(PROGRAM.hRoot, PROGRAM.subKey);
    key.SetString(FOLDER, GetModuleFolder());
    key.SetString(VERSION, GetVersionText());
    return false;
}

int CGameApp::SelectPlayer()
{
    QString strName;
    const int nResult = CPlayerSettings::ListPlayers() > 0 ? RunPlayerDialog<CPlayerDlg>(strName)
                                                           : RunPlayerDialog<CNameDlg>(strName);
    if (nResult == IDOK)
        m_pPlayer->Load(strName);
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
    return QStringLiteral("%1.%2.%3").arg(1).arg(0).arg(0, 2, 10, QLatin1Char('0'));
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
    default:
        return false;
    }
}

void CGameApp::OnHelp(QWidget* pMainWnd)
{
    if (m_pHelpDlg) {
        m_pHelpDlg->Reposition();
        return;
    }
    m_pHelpDlg = new CHelpDlg(pMainWnd);
    m_pHelpDlg->Create();
}

void CGameApp::OnHelpClosed()
{
    // Called from inside the help window's own handlers, so it goes once they have returned.
    if (m_pHelpDlg)
        m_pHelpDlg->deleteLater();
    m_pHelpDlg = nullptr;
}

void CGameApp::OnAbout(QWidget* pMainWnd)
{
    CAboutDlg dlg(pMainWnd);
    dlg.DoModal();
}

void CGameApp::OnHighScores(QWidget* pMainWnd)
{
    PlaySoundRes(SND_HIGH_SCORES, true);
    CHighScoresDlg dlg(m_pHighScores, pMainWnd);
    dlg.DoModal();
}

void CGameApp::SetProgLang(int nLang)
{
    if (!IsValidProgLang(nLang))
        return;
    m_nProgLang = nLang;
    if (m_pHelpDlg)
        m_pHelpDlg->LoadTexts();
}

int CGameApp::LangStringId(int nId) const
{
    return nId + 1000 * m_nProgLang;
}

QString CGameApp::LoadLangString(int nId) const
{
    return LoadResString(LangStringId(nId));
}

void CGameApp::PlaySoundRes(int nId, bool bAsync) const
{
    if (!m_pPlayer || !m_pPlayer->m_bSound)
        return;
    const QByteArray wave = FindResource(QStringLiteral("Sound"), nId);
    if (!wave.isEmpty())
        WavePlayer().Play(wave, bAsync);
}
