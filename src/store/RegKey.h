#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// The two roots of the store; 0 is no root, and every read and write on it fails.
using HKEY = std::uint32_t;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// Value types as the registry numbers them; other numbers are kept as raw data.
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;

constexpr int MAX_REG_NAME = 255;   // characters of a key or value name
constexpr int MAX_REG_STRING = 256; // bytes of a string value, terminator included

// A key below Software\Torvane\Kelvara under one root. It holds no open handle:
// every operation reads (and writes) the store on its own.
class CRegKey
{
public:
    CRegKey(HKEY hRoot = 0, const QString& strSubKey = QString());

    void SetKey(HKEY hRoot, const QString& strSubKey);
    QString GetKeyPath() const;

    // Raw access. QueryValue fails when the value is larger than nSize, and sets nSize.
    bool QueryValue(const QString& strName, std::uint32_t& nType, void* pData,
                    std::uint32_t& nSize) const;
    bool SetValue(const QString& strName, std::uint32_t nType, const void* pData,
                  std::uint32_t nSize) const;

    // Typed reads keep the caller's value when the read fails.
    bool GetBool(const QString& strName, bool& bValue) const;
    bool GetInt(const QString& strName, int& nValue) const;
    bool GetString(const QString& strName, QString& strValue) const;
    bool SetBool(const QString& strName, bool bValue) const;
    bool SetInt(const QString& strName, int nValue) const;
    bool SetString(const QString& strName, const QString& strValue) const;

    std::uint16_t EnumSubKeys(QStringList* parNames = nullptr) const;
    std::uint16_t EnumValues(QStringList* parNames = nullptr) const;
    void DeleteSubKey(const QString& strName) const;
    void DeleteAllValues() const;

    // Makes the key operations of fnChange on the root as one change: they see the store as
    // it is at that moment, under its lock, and reach it together as one replacement, so that
    // a copy killed in between leaves the old file or the new one. False when fnChange changed
    // something that could not be stored; the store then keeps fnChange and makes it again, on
    // the store as it is then, at the next write (reads show its effect meanwhile). So
    // fnChange owns what it captures.
    static bool Transact(HKEY hRoot, const std::function<void()>& fnChange);

    HKEY m_hRoot;
    QString m_strSubKey;
};
