#include "GameApp.h"

#include "Resources.h"
#include "StringTable.h"
#include "WavePlayer.h"
#include "PlayerSettings.h"

CGameApp theApp;

CGameApp::CGameApp() = default;

CGameApp::~CGameApp() = default;

bool CGameApp::IsValidProgLang(int nLang)
{
    return nLang == 0 || nLang == 1;
}

bool CGameApp::InitInstance()
{
    return false;
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
