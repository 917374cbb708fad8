#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One value as the registry holds it: a REG_SZ keeps its terminating zero byte.
struct CRegValueData {
    QString strName;
    std::uint32_t nType = 0;
    QByteArray data;
};

// One key with its values and subkeys, both in the order of their creation. Names match
// without regard to case and keep the case they were first created with.
struct CRegNode {
    QString strName;
    QList<CRegValueData> values;
    std::vector<CRegNode> subKeys;

    const CRegNode* Find(const QStringList& path) const;
    CRegNode* Find(const QStringList& path);
    // Creates what is missing on the path; nullptr when a name on it is not allowed.
    CRegNode* Create(const QStringList& path);
    // False when there was no such key.
    bool Remove(const QStringList& path);

    const CRegValueData* FindValue(const QString& strValueName) const;
    // False when the value already held exactly this.
    bool SetValue(const QString& strValueName, std::uint32_t nType, const QByteArray& data);
};

// Key and value names: at most MAX_REG_NAME characters and no line break, so that the
// store file keeps one line per value; a key name is also non-empty and has no backslash.
bool IsValidValueName(const QString& strName);
bool IsValidKeyName(const QString& strName);
