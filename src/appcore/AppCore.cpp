#include "appcore/AppCore.h"

#include "platform/Resources.h"
#include "platform/WavePlayer.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "store/PlayerSettings.h"

CAppCore& AppCore()
{
    static CAppCore core;
    return core;
}

bool CAppCore::IsValidProgLang(int nLang)
{
    return nLang == 0 || nLang == 1;
}

void CAppCore::SetProgLang(int nLang)
{
    if (!IsValidProgLang(nLang))
        return;
    m_nProgLang = nLang;
    emit ProgLangChanged(nLang);
}

void CAppCore::SetPlayer(const CPlayerSettings* pPlayer)
{
    m_pPlayer = pPlayer;
}

int CAppCore::LangStringId(int nId) const
{
    return nId + IDS_LANG_STEP * m_nProgLang;
}

QString CAppCore::LoadLangString(int nId) const
{
    return LoadResString(LangStringId(nId));
}

void CAppCore::PlaySoundRes(int nId, bool bAsync) const
{
    if (!m_pPlayer || !m_pPlayer->m_bSound)
        return;
    const QByteArray wave = FindResource(QStringLiteral("Sound"), nId);
    if (!wave.isEmpty())
        WavePlayer().Play(wave, bAsync);
}
