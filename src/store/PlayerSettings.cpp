#include "store/PlayerSettings.h"

#include "store/RegKey.h"
#include "store/RegLayout.h"

namespace
{

using namespace RegLayout;

CRegKey PlayerKey(const QString& strName)
{
    return CRegKey(PLAYERS.hRoot, PLAYERS.subKey + QLatin1Char('\\') + strName);
}

CRegKey PlayersKey()
{
    return CRegKey(PLAYERS.hRoot, PLAYERS.subKey);
}

} // namespace

CPlayerSettings::CPlayerSettings(const int& nProgLang) : m_nProgLang(nProgLang)
{
    ResetDefaults();
}

void CPlayerSettings::ResetDefaults()
{
    m_strName.clear();
    m_nDict = m_nProgLang;
    m_bSound = PLAYER_SOUND.defValue;
    m_bLower = PLAYER_LOWER.defValue;
}

void CPlayerSettings::Load(const QString& strName)
{
    ResetDefaults();
    m_strName = strName;
    const CRegKey key = PlayerKey(m_strName);
    key.GetInt(PLAYER_DICT, m_nDict);
    key.GetBool(PLAYER_SOUND.name, m_bSound);
    key.GetBool(PLAYER_LOWER.name, m_bLower);
}

void CPlayerSettings::Save() const
{
    {
        // A player's key holds all three values or none of this save.
        const CRegBatch batch(PLAYERS.hRoot);
        const CRegKey key = PlayerKey(m_strName);
        key.SetInt(PLAYER_DICT, m_nDict);
        key.SetBool(PLAYER_SOUND.name, m_bSound);
        key.SetBool(PLAYER_LOWER.name, m_bLower);
    }
    CRegKey(SETTINGS.hRoot, SETTINGS.subKey).SetString(LAST_PLAYER.name, m_strName);
}

QString CPlayerSettings::GetLastPlayer()
{
    QString strName = LAST_PLAYER.defValue;
    CRegKey(SETTINGS.hRoot, SETTINGS.subKey).GetString(LAST_PLAYER.name, strName);
    return strName;
}

std::uint16_t CPlayerSettings::ListPlayers(QStringList* parNames)
{
    return PlayersKey().EnumSubKeys(parNames);
}

void CPlayerSettings::DeletePlayer(const QString& strName)
{
    PlayersKey().DeleteSubKey(strName);
}
