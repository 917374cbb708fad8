#include "store/RegTree.h"

#include "store/RegKey.h"

#include <algorithm>

namespace
{

QString IndexName(const QString& strName)
{
    return strName.toCaseFolded();
}

} // namespace

template <typename T> const T* CNamedList<T>::Find(const QString& strName) const
{
    const auto it = m_index.constFind(IndexName(strName));
    return it == m_index.cend() ? nullptr : &m_items[*it];
}

template <typename T> T* CNamedList<T>::Find(const QString& strName)
{
    return const_cast<T*>(std::as_const(*this).Find(strName));
}

template <typename T> T& CNamedList<T>::Append(T item)
{
    m_index.insert(IndexName(item.strName), m_items.size());
    return m_items.emplace_back(std::move(item));
}

template <typename T> bool CNamedList<T>::Remove(const QString& strName)
{
    const auto it = m_index.constFind(IndexName(strName));
    if (it == m_index.cend())
        return false;
    const std::size_t nRemoved = *it;
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(nRemoved));
    m_index.erase(it);
    for (std::size_t& nPosition : m_index) {
        if (nPosition > nRemoved)
            --nPosition;
    }
    return true;
}

template <typename T> void CNamedList<T>::Clear()
{
    m_items.clear();
    m_index.clear();
}

template class CNamedList<CRegValueData>;
template class CNamedList<CRegNode>;

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
    const CRegNode* pNode = this;
    for (const QString& strName : path) {
        if (!pNode)
            break;
        pNode = pNode->subKeys.Find(strName);
    }
    return pNode;
}

CRegNode* CRegNode::Find(const QStringList& path)
{
    return const_cast<CRegNode*>(std::as_const(*this).Find(path));
}

CRegNode* CRegNode::Create(const QStringList& path)
{
    if (!std::all_of(path.begin(), path.end(), IsValidKeyName))
        return nullptr;
    CRegNode* pNode = this;
    for (const QString& strName : path) {
        CRegNode* pSub = pNode->subKeys.Find(strName);
        pNode = pSub ? pSub : &pNode->subKeys.Append(CRegNode{strName, {}, {}});
    }
    return pNode;
}

bool CRegNode::Remove(const QStringList& path)
{
    if (path.isEmpty())
        return false;
    CRegNode* pParent = Find(path.first(path.size() - 1));
    return pParent && pParent->subKeys.Remove(path.last());
}

bool CRegNode::SetValue(const QString& strValueName, std::uint32_t nType, const QByteArray& data)
{
    CRegValueData* pValue = values.Find(strValueName);
    if (!pValue) {
        values.Append(CRegValueData{strValueName, nType, data});
        return true;
    }
    if (pValue->nType == nType && pValue->data == data)
        return false;
    pValue->nType = nType;
    pValue->data = data;
    return true;
}
