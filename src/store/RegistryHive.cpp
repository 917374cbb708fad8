#include "store/RegistryHive.h"

#include "platform/Privileges.h"
#include "store/RegFile.h"
#include "store/RegistryLocation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace
{

// A copy killed while it held the lock leaves it behind; its dead process id frees it at
// once, and a lock older than this is taken over even from a live one.
constexpr int STALE_LOCK_MS = 5000;
constexpr int LOCK_WAIT_MS = 8000;
constexpr int LOCK_POLL_MS = 5;

QString RootName(HKEY hRoot)
{
    return hRoot == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                      : QStringLiteral("HKEY_LOCAL_MACHINE");
}

bool WriteAtomically(const QString& strPath, const QByteArray& data)
{
    QSaveFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

// The lock file sits beside the store file: removing it takes the same rights as writing.
void CRegistryHive::CUnlock::operator()(QLockFile* pLock) const
{
    const CStoreAccess access(IsSharedStoreFile(pLock->fileName()));
    delete pLock;
}

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
    if (!m_bBatchLoaded)
        Load();
    return m_tree;
}

bool CRegistryHive::Apply(const ChangeFn& change)
{
    if (m_nBatchDepth > 0) {
        const EChange result = m_bBatchLoaded ? change(m_tree) : EChange::Refused;
        m_bBatchChanged = m_bBatchChanged || result == EChange::Made;
        return result != EChange::Refused;
    }
    const LockPtr pLock = Lock();
    if (!pLock || !Load())
        return false;
    switch (change(m_tree)) {
    case EChange::Refused:
        return false;
    case EChange::None:
        return true;
    case EChange::Made:
        return Store();
    }
    return false;
}

void CRegistryHive::BeginBatch()
{
    if (m_nBatchDepth++ > 0)
        return;
    m_pBatchLock = Lock();
    m_bBatchLoaded = m_pBatchLock && Load();
    m_bBatchChanged = false;
}

void CRegistryHive::EndBatch()
{
    if (--m_nBatchDepth > 0)
        return;
    if (m_bBatchChanged)
        Store();
    m_bBatchLoaded = false;
    m_pBatchLock.reset();
}

// False when the file is there but cannot be read: it must not be replaced then.
bool CRegistryHive::Load()
{
    m_strPath = RegistryFilePath(m_hRoot);
    m_tree = CRegNode();
    m_fileText.clear();
    m_bDamaged = false;
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    m_fileText = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_fileText.clear();
        return false;
    }
    m_bDamaged = !ParseRegFile(m_fileText, m_strRootName, m_tree);
    return true;
}

// Keeps what a person wrote that could not be read in <file>.bak before it is replaced.
bool CRegistryHive::Store()
{
    const CStoreAccess access(IsSharedStoreFile(m_strPath));
    if (m_bDamaged && !WriteAtomically(m_strPath + QStringLiteral(".bak"), m_fileText))
        return false;
    if (!WriteAtomically(m_strPath, FormatRegFile(m_tree, m_strRootName)))
        return false;
    m_bDamaged = false;
    return true;
}

// Polls briefly instead of QLockFile's own back-off, which sleeps 100 ms and more while the
// other copy holds the lock for a millisecond.
CRegistryHive::LockPtr CRegistryHive::Lock() const
{
    const QString strPath = RegistryFilePath(m_hRoot);
    const CStoreAccess access(IsSharedStoreFile(strPath));
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    LockPtr pLock(new QLockFile(strPath + QStringLiteral(".lock")));
    pLock->setStaleLockTime(STALE_LOCK_MS);
    const QDeadlineTimer deadline(LOCK_WAIT_MS);
    while (!pLock->tryLock(0)) {
        if (pLock->error() != QLockFile::LockFailedError || deadline.hasExpired())
            return nullptr;
        QThread::msleep(LOCK_POLL_MS);
    }
    return pLock;
}
