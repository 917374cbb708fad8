#include "store/RegistryHive.h"

#include "store/RegFile.h"
#include "store/SharedStoreFile.h"

#include <QScopedValueRollback>

namespace
{

QString RootName(HKEY hRoot)
{
    return hRoot == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                      : QStringLiteral("HKEY_LOCAL_MACHINE");
}

} // namespace

CRegistryHive::CRegistryHive(HKEY hRoot) : m_hRoot(hRoot), m_strRootName(RootName(hRoot)) {}

CRegistryHive::~CRegistryHive() = default;

CRegistryHive* CRegistryHive::ForRoot(HKEY hRoot)
{
    static CRegistryHive user(HKEY_CURRENT_USER);
    static CRegistryHive machine(HKEY_LOCAL_MACHINE);
    switch (hRoot) {
    case HKEY_CURRENT_USER:
        return &user;
    case HKEY_LOCAL_MACHINE:
        return &machine;
    default:
        return nullptr;
    }
}

const CRegNode& CRegistryHive::Read()
{
    if (!m_bInTransaction) {
        Locate();
        Load();
    }
    return m_tree;
}

bool CRegistryHive::Apply(const ChangeFn& change)
{
    if (!m_bInTransaction)
        return Transact([this, change] { Apply(change); });
    m_bChanged = change(m_tree) || m_bChanged;
    return true;
}

bool CRegistryHive::Transact(const TransactionFn& fn)
{
    if (m_bInTransaction) {
        fn();
        return true;
    }
    Locate();
    const bool bLocked = m_pFile->Lock();
    const bool bLoaded = Load();
    m_bChanged = false;
    Run(fn);
    if (m_bChanged)
        m_pending.push_back(fn);
    // A file that could not be read is not replaced: what it holds would be lost.
    const bool bStored = m_pending.empty() || (bLocked && bLoaded && Store());
    m_pFile->Unlock();
    if (bStored)
        m_pending.clear();
    return bStored || !m_bChanged;
}

// Another file (tests) starts afresh: nothing of the old one carries over.
void CRegistryHive::Locate()
{
    CStoreLocation location = RegistryLocation(m_hRoot);
    if (m_pFile && location == m_location)
        return;
    m_location = std::move(location);
    if (m_location.pShared)
        m_pFile = std::make_unique<CSharedStoreFile>(m_location.pShared);
    else
        m_pFile = std::make_unique<CPrivateStoreFile>(m_location.strFile);
    m_tree = CRegNode();
    m_fileText.clear();
    m_bTreeValid = false;
    m_pending.clear();
}

void CRegistryHive::Run(const TransactionFn& fn)
{
    const QScopedValueRollback inTransaction(m_bInTransaction, true);
    fn();
}

// False when the file is there but cannot be read; the tree then stays as it was.
bool CRegistryHive::Load()
{
    QByteArray text;
    bool bTorn = false;
    if (!m_pFile->Read(text, bTorn))
        return false;
    if (m_bTreeValid && !bTorn && text == m_fileText)
        return true;
    m_fileText = text;
    m_tree = CRegNode();
    m_bDamaged = !ParseRegFile(m_fileText, m_strRootName, m_tree) || bTorn;
    for (const TransactionFn& fn : m_pending)
        Run(fn);
    m_bTreeValid = true;
    return true;
}

// Keeps what a person wrote that could not be read before it is replaced.
bool CRegistryHive::Store()
{
    if (m_bDamaged && !m_pFile->KeepDamaged())
        return false;
    QByteArray text = FormatRegFile(m_tree, m_strRootName);
    if (!m_pFile->Replace(text))
        return false;
    m_fileText = std::move(text);
    m_bDamaged = false;
    return true;
}
