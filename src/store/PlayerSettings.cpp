#include "store/PlayerSettings.h"

#include "store/RegKey.h"
#include "store/RegLayout.h"

#include <algorithm>

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
    m_bHard = PLAYER_HARD.defValue;
}

void CPlayerSettings::Load(const QString& strName)
{
    ResetDefaults();
    m_strName = strName;
    const CRegKey key = PlayerKey(m_strName);
    key.GetInt(PLAYER_DICT, m_nDict);
    key.GetBool(PLAYER_SOUND.name, m_bSound);
    key.GetBool(PLAYER_LOWER.name, m_bLower);
    key.GetBool(PLAYER_HARD.name, m_bHard);
}

bool CPlayerSettings::Save() const
{
    if (!IsValidName(m_strName))
        return false;
    const QString strName = TrimmedName(m_strName);
    // A player's key holds all the values or none of this save.
    const bool bStored =
        CRegKey::Transact(PLAYERS.hRoot, [strName, nDict = m_nDict, bSound = m_bSound,
                                          bLower = m_bLower, bHard = m_bHard] {
            const CRegKey key = PlayerKey(strName);
            key.SetInt(PLAYER_DICT, nDict);
            key.SetBool(PLAYER_SOUND.name, bSound);
            key.SetBool(PLAYER_LOWER.name, bLower);
            key.SetBool(PLAYER_HARD.name, bHard);
        });
    return CRegKey(SETTINGS.hRoot, SETTINGS.subKey).SetString(LAST_PLAYER.name, strName) && bStored;
}

bool CPlayerSettings::IsValidName(const QString& strName)
{
    const QString strTrimmed = TrimmedName(strName);
    return !strTrimmed.isEmpty() && strTrimmed.size() <= MAX_NAME_LENGTH &&
           std::all_of(strTrimmed.begin(), strTrimmed.end(), IsNameChar);
}

bool CPlayerSettings::IsNameChar(QChar ch)
{
    switch (ch.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return !QStringView(u"\\/:;").contains(ch);
    }
}

QString CPlayerSettings::TrimmedName(const QString& strName)
{
    qsizetype nStart = 0;
    qsizetype nEnd = strName.size();
    while (nStart < nEnd && strName[nStart].category() == QChar::Separator_Space)
        ++nStart;
    while (nEnd > nStart && strName[nEnd - 1].category() == QChar::Separator_Space)
        --nEnd;
    return strName.sliced(nStart, nEnd - nStart);
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
