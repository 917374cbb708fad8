#include "RegistryHive.h"

#include "Privileges.h"
#include "RegFile.h"
#include "RegistryLocation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace
{

// A copy killed while it held the lock leaves it behind; its dead process id frees it at
// once, and a lock older than this is taken over even from a live one.
constexpr int STALE_LOCK_MS = 5000;
constexpr qint64 NEW_LOCK_NS = 200'000'000;
constexpr int LOCK_WAIT_MS = 8000;
constexpr int LOCK_POLL_MS = 5;

QString RootName(HKEY hRoot)
{
    return hRoot == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                      : QStringLiteral("HKEY_LOCAL_MACHINE");
}

// QSaveFile leaves the old file whole when a step fails. On a full disk its commit takes a
// short write for a whole one, though; the flush before it reports the short write.
bool WriteAtomically(const QString& strPath, const QByteArray& data)
{
    QSaveFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush() &&
           file.commit();
}

// A missing file reads as empty; false when the file is there but cannot be read.
bool ReadFile(const QString& strPath, QByteArray& text)
{
    text.clear();
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    text = file.readAll();
    if (file.error() == QFileDevice::NoError)
        return true;
    text.clear();
    return false;
}

// A writer killed between QSaveFile's write and its rename leaves <file>.XXXXXX (or the
// backup's) behind. Removing a name never follows a symlink, and symlinks are not listed.
void RemoveSaveLeftovers(const QString& strPath)
{
    const QFileInfo store(strPath);
    const QRegularExpression leftover(
        QStringLiteral("^%1(\\.bak)?\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(store.fileName())));
    const QDir folder = store.dir();
    for (const QString& strName :
         folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot)) {
        if (leftover.match(strName).hasMatch())
            QFile::remove(folder.filePath(strName));
    }
}

// QLockFile holds a flock on its file, which the kernel drops with the process. A lock file
// that nobody holds, and that is not brand new (its maker may be about to lock it), was left
// by a copy killed before it wrote its process id; QLockFile would wait STALE_LOCK_MS for it.
// Removed only while we hold it and the name still means it, so a new lock file stays.
void RemoveAbandonedLock(const QString& strLockPath)
{
    const QByteArray path = QFile::encodeName(strLockPath);
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat held {};
    struct stat named {};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        (now.tv_sec - held.st_mtim.tv_sec) * 1'000'000'000LL + now.tv_nsec - held.st_mtim.tv_nsec >
            NEW_LOCK_NS &&
        flock(fd, LOCK_EX | LOCK_NB) == 0 && lstat(path.constData(), &named) == 0 &&
        named.st_dev == held.st_dev && named.st_ino == held.st_ino)
        unlink(path.constData());
    close(fd);
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
    if (!m_bInTransaction)
        Load();
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
    const LockPtr pLock = Lock();
    const bool bLoaded = Load();
    m_bChanged = false;
    Run(fn);
    if (m_bChanged)
        m_pending.push_back(fn);
    if (m_pending.empty())
        return true;
    // A file that could not be read is not replaced: what it holds would be lost.
    if (pLock && bLoaded && Store()) {
        m_pending.clear();
        return true;
    }
    return !m_bChanged;
}

void CRegistryHive::Run(const TransactionFn& fn)
{
    const QScopedValueRollback inTransaction(m_bInTransaction, true);
    fn();
}

// False when the file is there but cannot be read.
bool CRegistryHive::Load()
{
    const QString strPath = RegistryFilePath(m_hRoot);
    if (strPath != m_strPath) {
        m_strPath = strPath;
        m_pending.clear();
        m_bTreeValid = false;
    }
    QByteArray text;
    const bool bRead = ReadFile(m_strPath, text);
    if (bRead && m_bTreeValid && text == m_fileText)
        return true;
    m_fileText = text;
    m_tree = CRegNode();
    m_bDamaged = !ParseRegFile(m_fileText, m_strRootName, m_tree);
    for (const TransactionFn& fn : m_pending)
        Run(fn);
    m_bTreeValid = bRead;
    return bRead;
}

// Keeps what a person wrote that could not be read in <file>.bak before it is replaced.
bool CRegistryHive::Store()
{
    const CStoreAccess access(IsSharedStoreFile(m_strPath));
    if (m_bDamaged && !WriteAtomically(m_strPath + QStringLiteral(".bak"), m_fileText))
        return false;
    QByteArray text = FormatRegFile(m_tree, m_strRootName);
    if (!WriteAtomically(m_strPath, text))
        return false;
    m_fileText = std::move(text);
    m_bDamaged = false;
    RemoveSaveLeftovers(m_strPath);
    return true;
}

// Polls briefly instead of QLockFile's own back-off, which sleeps 100 ms and more while the
// other copy holds the lock for a millisecond.
CRegistryHive::LockPtr CRegistryHive::Lock() const
{
    const QString strPath = RegistryFilePath(m_hRoot);
    const CStoreAccess access(IsSharedStoreFile(strPath));
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    const QString strLockPath = strPath + QStringLiteral(".lock");
    LockPtr pLock(new QLockFile(strLockPath));
    pLock->setStaleLockTime(STALE_LOCK_MS);
    const QDeadlineTimer deadline(LOCK_WAIT_MS);
    while (!pLock->tryLock(0)) {
        RemoveAbandonedLock(strLockPath);
        if (pLock->error() != QLockFile::LockFailedError || deadline.hasExpired())
            return nullptr;
        QThread::msleep(LOCK_POLL_MS);
    }
    return pLock;
}
