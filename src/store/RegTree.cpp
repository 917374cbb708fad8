#include "store/RegTree.h"

#include "store/RegKey.h"

#include <algorithm>

namespace
{

bool SameName(const QString& strA, const QString& strB)
{
    return strA.compare(strB, Qt::CaseInsensitive) == 0;
}

template <typename Node> Node* FindSubKey(Node* pNode, const QString& strName)
{
    const auto it =
        std::find_if(pNode->subKeys.begin(), pNode->subKeys.end(),
                     [&](const CRegNode& sub) { return SameName(sub.strName, strName); });
    return it == pNode->subKeys.end() ? nullptr : &*it;
}

template <typename Node> Node* FindPath(Node* pNode, const QStringList& path)
{
    for (const QString& strName : path) {
        if (!pNode)
            break;
        pNode = FindSubKey(pNode, strName);
    }
    return pNode;
}

template <typename Values> auto* FindValueIn(Values& values, const QString& strName)
{
    const auto it = std::find_if(values.begin(), values.end(), [&](const CRegValueData& value) {
        return SameName(value.strName, strName);
    });
    return it == values.end() ? nullptr : &*it;
}

} // namespace

bool IsValidValueName(const QString& strName)
{
    return strName.size() <= MAX_REG_NAME && !strName.contains(QLatin1Char('\n')) &&
           !strName.contains(QLatin1Char('\r'));
}

bool IsValidKeyName(const QString& strName)
{
    return !strName.isEmpty() && IsValidValueName(strName) && !strName.contains(QLatin1Char('\\'));
}

const CRegNode* CRegNode::Find(const QStringList& path) const
{
    return FindPath(this, path);
}

CRegNode* CRegNode::Find(const QStringList& path)
{
    return FindPath(this, path);
}

CRegNode* CRegNode::Create(const QStringList& path)
{
    if (!std::all_of(path.begin(), path.end(), IsValidKeyName))
        return nullptr;
    CRegNode* pNode = this;
    for (const QString& strName : path) {
        CRegNode* pSub = FindSubKey(pNode, strName);
        pNode = pSub ? pSub : &pNode->subKeys.emplace_back(CRegNode{strName, {}, {}});
    }
    return pNode;
}

bool CRegNode::Remove(const QStringList& path)
{
    if (path.isEmpty())
        return false;
    CRegNode* pParent = FindPath(this, path.first(path.size() - 1));
    const CRegNode* pKey = pParent ? FindSubKey(pParent, path.last()) : nullptr;
    if (!pKey)
        return false;
    pParent->subKeys.erase(pParent->subKeys.begin() + (pKey - pParent->subKeys.data()));
    return true;
}

const CRegValueData* CRegNode::FindValue(const QString& strValueName) const
{
    return FindValueIn(values, strValueName);
}

bool CRegNode::SetValue(const QString& strValueName, std::uint32_t nType, const QByteArray& data)
{
    CRegValueData* pValue = FindValueIn(values, strValueName);
    if (!pValue) {
        values.append(CRegValueData{strValueName, nType, data});
        return true;
    }
    if (pValue->nType == nType && pValue->data == data)
        return false;
    pValue->nType = nType;
    pValue->data = data;
    return true;
}
