#include "store/RegKey.h"

#include "store/RegistryHive.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace
{

const QLatin1String MAKER_NAME("Torvane");
const QLatin1String PRODUCT_NAME("Kelvara");

QStringList PathOf(const CRegKey& key)
{
    return key.GetKeyPath().split(QLatin1Char('\\'));
}

const CRegNode* FindKey(const CRegKey& key)
{
    CRegistryHive* pHive = CRegistryHive::ForRoot(key.m_hRoot);
    return pHive ? pHive->Read().Find(PathOf(key)) : nullptr;
}

bool Change(const CRegKey& key, const CRegistryHive::ChangeFn& change)
{
    CRegistryHive* pHive = CRegistryHive::ForRoot(key.m_hRoot);
    return pHive && pHive->Apply(change);
}

std::uint16_t Report(const QStringList& names, QStringList* parNames)
{
    if (parNames)
        *parNames = names;
    return static_cast<std::uint16_t>(names.size());
}

// Reads at most 4 bytes over the little-endian bytes of dwValue, as the registry would.
bool QueryDword(const CRegKey& key, const QString& strName, std::uint32_t& dwValue)
{
    char buffer[sizeof dwValue];
    qToLittleEndian(dwValue, buffer);
    std::uint32_t nType = 0;
    std::uint32_t nSize = sizeof buffer;
    if (!key.QueryValue(strName, nType, buffer, nSize))
        return false;
    dwValue = qFromLittleEndian<std::uint32_t>(buffer);
    return true;
}

bool SetDword(const CRegKey& key, const QString& strName, std::uint32_t dwValue)
{
    char buffer[sizeof dwValue];
    qToLittleEndian(dwValue, buffer);
    return key.SetValue(strName, REG_DWORD, buffer, sizeof buffer);
}

} // namespace

CRegKey::CRegKey(HKEY hRoot, const QString& strSubKey)
{
    SetKey(hRoot, strSubKey);
}

void CRegKey::SetKey(HKEY hRoot, const QString& strSubKey)
{
    m_hRoot = hRoot;
    m_strSubKey = strSubKey;
}

QString CRegKey::GetKeyPath() const
{
    const QString strProgramKey = QStringLiteral("Software\\%1\\%2").arg(MAKER_NAME, PRODUCT_NAME);
    return m_strSubKey.isEmpty() ? strProgramKey : strProgramKey + QLatin1Char('\\') + m_strSubKey;
}

bool CRegKey::QueryValue(const QString& strName, std::uint32_t& nType, void* pData,
                         std::uint32_t& nSize) const
{
    const CRegNode* pKey = FindKey(*this);
    const CRegValueData* pValue = pKey ? pKey->values.Find(strName) : nullptr;
    if (!pValue)
        return false;
    const auto nNeeded = static_cast<std::uint32_t>(pValue->data.size());
    const bool bFits = nNeeded <= nSize;
    if (bFits && pData)
        std::memcpy(pData, pValue->data.constData(), nNeeded);
    nType = pValue->nType;
    nSize = nNeeded;
    return bFits || !pData;
}

bool CRegKey::SetValue(const QString& strName, std::uint32_t nType, const void* pData,
                       std::uint32_t nSize) const
{
    const QStringList path = PathOf(*this);
    if (!IsValidValueName(strName) || !std::all_of(path.begin(), path.end(), IsValidKeyName))
        return false;
    const QByteArray data(static_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    return Change(*this, [path, strName, nType, data](CRegNode& root) {
        return root.Create(path)->SetValue(strName, nType, data);
    });
}

bool CRegKey::GetBool(const QString& strName, bool& bValue) const
{
    std::uint32_t dwValue = bValue ? 1 : 0;
    if (!QueryDword(*this, strName, dwValue))
        return false;
    bValue = dwValue != 0;
    return true;
}

bool CRegKey::GetInt(const QString& strName, int& nValue) const
{
    auto dwValue = static_cast<std::uint32_t>(nValue);
    if (!QueryDword(*this, strName, dwValue))
        return false;
    nValue = static_cast<int>(dwValue);
    return true;
}

bool CRegKey::GetString(const QString& strName, QString& strValue) const
{
    char buffer[MAX_REG_STRING];
    std::uint32_t nType = 0;
    std::uint32_t nSize = sizeof buffer;
    if (!QueryValue(strName, nType, buffer, nSize))
        return false;
    strValue = QString::fromUtf8(buffer, static_cast<qsizetype>(qstrnlen(buffer, nSize)));
    return true;
}

bool CRegKey::SetBool(const QString& strName, bool bValue) const
{
    return SetDword(*this, strName, bValue ? 1 : 0);
}

bool CRegKey::SetInt(const QString& strName, int nValue) const
{
    return SetDword(*this, strName, static_cast<std::uint32_t>(nValue));
}

bool CRegKey::SetString(const QString& strName, const QString& strValue) const
{
    const QByteArray data = strValue.toUtf8().append('\0');
    return SetValue(strName, REG_SZ, data.constData(), static_cast<std::uint32_t>(data.size()));
}

std::uint16_t CRegKey::EnumSubKeys(QStringList* parNames) const
{
    QStringList names;
    if (const CRegNode* pKey = FindKey(*this)) {
        for (const CRegNode& sub : pKey->subKeys)
            names.append(sub.strName);
    }
    return Report(names, parNames);
}

std::uint16_t CRegKey::EnumValues(QStringList* parNames) const
{
    QStringList names;
    if (const CRegNode* pKey = FindKey(*this)) {
        for (const CRegValueData& value : pKey->values)
            names.append(value.strName);
    }
    return Report(names, parNames);
}

void CRegKey::DeleteSubKey(const QString& strName) const
{
    Change(*this, [path = PathOf(*this) << strName](CRegNode& root) { return root.Remove(path); });
}

void CRegKey::DeleteAllValues() const
{
    Change(*this, [path = PathOf(*this)](CRegNode& root) {
        CRegNode* pFound = root.Find(path);
        if (!pFound || pFound->values.IsEmpty())
            return false;
        pFound->values.Clear();
        return true;
    });
}

bool CRegKey::Transact(HKEY hRoot, const std::function<void()>& fnChange)
{
    CRegistryHive* pHive = CRegistryHive::ForRoot(hRoot);
    return pHive && pHive->Transact(fnChange);
}
