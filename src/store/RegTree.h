#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One value as the registry holds it: a REG_SZ keeps its terminating zero byte.
struct CRegValueData {
    QString strName;
    std::uint32_t nType = 0;
    QByteArray data;

    bool operator==(const CRegValueData&) const = default;
};

// Items in the order of their creation, found by name without regard to case through a
// hash, so that a file of many values reads in linear time.
template <typename T> class CNamedList
{
public:
    const T* Find(const QString& strName) const;
    T* Find(const QString& strName);
    // The name must not be in the list yet.
    T& Append(T item);
    bool Remove(const QString& strName);
    void Clear();

    bool IsEmpty() const { return m_items.empty(); }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }
    bool operator==(const CNamedList& other) const { return m_items == other.m_items; }

private:
    std::vector<T> m_items;
    QHash<QString, std::size_t> m_index; // case-folded name to position
};

// One key with its values and subkeys. Names keep the case they were first created with.
struct CRegNode {
    QString strName;
    CNamedList<CRegValueData> values;
    CNamedList<CRegNode> subKeys;

    bool operator==(const CRegNode&) const = default;

    const CRegNode* Find(const QStringList& path) const;
    CRegNode* Find(const QStringList& path);
    // Creates what is missing on the path; nullptr when a name on it is not allowed.
    CRegNode* Create(const QStringList& path);
    // False when there was no such key.
    bool Remove(const QStringList& path);

    // False when the value already held exactly this.
    bool SetValue(const QString& strValueName, std::uint32_t nType, const QByteArray& data);
};

// Key and value names: at most MAX_REG_NAME characters and no line break, so that the
// store file keeps one line per value; a key name is also non-empty and has no backslash.
bool IsValidValueName(const QString& strName);
bool IsValidKeyName(const QString& strName);
