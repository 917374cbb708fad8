#include "store/SharedStoreFile.h"

#include "platform/Privileges.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace
{

const char STORE_FILE[] = "Kelvara.reg";
const char BACKUP_FILE[] = "Kelvara.reg.bak";
constexpr int LOCK_WAIT_MS = 8000;
constexpr int LOCK_POLL_MS = 5;

// At most MAX_STORE_BYTES; bOversized when the file holds more.
bool ReadWhole(int fd, QByteArray& data, bool& bOversized)
{
    struct stat info {
    };
    if (fstat(fd, &info) != 0)
        return false;
    bOversized = info.st_size > MAX_STORE_BYTES;
    data.resize(std::min<off_t>(info.st_size, MAX_STORE_BYTES));
    qsizetype nDone = 0;
    while (nDone < data.size()) {
        const ssize_t nRead = pread(fd, data.data() + nDone, data.size() - nDone, nDone);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            break;
        nDone += nRead;
    }
    data.truncate(nDone);
    return true;
}

bool WriteWhole(int fd, const QByteArray& data, off_t nOffset)
{
    qsizetype nDone = 0;
    while (nDone < data.size()) {
        const ssize_t nWritten =
            pwrite(fd, data.constData() + nDone, data.size() - nDone, nOffset + nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        nDone += nWritten;
    }
    return true;
}

// While it lives, the file is open for writing; it is opened with the games group held.
class CWritableFile
{
public:
    CWritableFile(const CSharedFolder& folder, const char* pszName)
    {
        const CStoreAccess access;
        m_fd = folder.OpenFile(pszName, O_RDWR);
    }
    ~CWritableFile()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CWritableFile(const CWritableFile&) = delete;
    CWritableFile& operator=(const CWritableFile&) = delete;

    int Release() { return std::exchange(m_fd, -1); }
    int Fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace

std::shared_ptr<const CSharedFolder> CSharedFolder::Open(const QString& strFolder, uid_t uidOwner,
                                                         gid_t gidGroup)
{
    const int fd = open(QFile::encodeName(strFolder).constData(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    std::shared_ptr<const CSharedFolder> pFolder(new CSharedFolder(fd, uidOwner, gidGroup));
    struct stat info {
    };
    if (fstat(fd, &info) != 0 || info.st_uid != uidOwner || info.st_gid != gidGroup ||
        (info.st_mode & S_IWOTH) != 0)
        return nullptr;
    const CWritableFile store(*pFolder, STORE_FILE);
    const CWritableFile lock(*pFolder, BACKUP_FILE);
    return store.Fd() >= 0 && lock.Fd() >= 0 ? pFolder : nullptr;
}

CSharedFolder::CSharedFolder(int fd, uid_t uidOwner, gid_t gidGroup)
    : m_nFd(fd), m_uidOwner(uidOwner), m_gidGroup(gidGroup)
{
}

CSharedFolder::~CSharedFolder()
{
    close(m_nFd);
}

int CSharedFolder::OpenFile(const char* pszName, int nFlags) const
{
    const int fd = openat(m_nFd, pszName, nFlags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0 && !IsTrusted(fd)) {
        close(fd);
        return -1;
    }
    return fd;
}

bool CSharedFolder::StillNamed(const char* pszName, int fd) const
{
    struct stat named {
    };
    struct stat open {
    };
    return fstatat(m_nFd, pszName, &named, AT_SYMLINK_NOFOLLOW) == 0 && fstat(fd, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool CSharedFolder::IsTrusted(int fd) const
{
    struct stat info {
    };
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 &&
           info.st_uid == m_uidOwner && info.st_gid == m_gidGroup && (info.st_mode & S_IWOTH) == 0;
}

CSharedStoreFile::CSharedStoreFile(std::shared_ptr<const CSharedFolder> pFolder)
    : m_pFolder(std::move(pFolder))
{
}

CSharedStoreFile::~CSharedStoreFile()
{
    Unlock();
}

// Without the lock a reader may meet a copy being written; it takes the newest whole one.
// The copies are checked again only when the file changed.
bool CSharedStoreFile::Read(QByteArray& text, bool& bTorn)
{
    const int fd = m_nLocked >= 0 ? m_nLocked : m_pFolder->OpenFile(STORE_FILE, O_RDONLY);
    QByteArray file;
    bool bOversized = false;
    const bool bRead = fd >= 0 && ReadWhole(fd, file, bOversized);
    if (fd >= 0 && fd != m_nLocked)
        close(fd);
    if (!bRead)
        return false;
    if (bOversized) {
        // Damaged: the next write starts the file afresh, its start kept in the backup.
        m_lastRead = file;
        m_newest = {{}, 0, 0, 0, true};
        m_bFound = false;
    } else if (!m_bFound || file != m_lastRead) {
        m_lastRead = file;
        m_newest = FindNewestTable(m_lastRead);
        m_bFound = true;
    }
    text = m_newest.text;
    bTorn = m_newest.bTorn;
    return true;
}

// The lock is on the backup, which only the group may open: every user may open the store
// itself for reading, and so could lock it and hold up every other player's writes. No lock
// file is made that anyone could make first, and the kernel lets go of it with a killed writer.
bool CSharedStoreFile::Lock()
{
    CWritableFile lock(*m_pFolder, BACKUP_FILE);
    if (lock.Fd() < 0)
        return false;
    const QDeadlineTimer deadline(LOCK_WAIT_MS);
    while (flock(lock.Fd(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return false;
        QThread::msleep(LOCK_POLL_MS);
    }
    CWritableFile store(*m_pFolder, STORE_FILE);
    if (store.Fd() < 0 || !m_pFolder->StillNamed(STORE_FILE, store.Fd()) ||
        !m_pFolder->StillNamed(BACKUP_FILE, lock.Fd()))
        return false;
    m_nLockHeld = lock.Release();
    m_nLocked = store.Release();
    return true;
}

void CSharedStoreFile::Unlock()
{
    if (m_nLocked >= 0)
        close(std::exchange(m_nLocked, -1));
    if (m_nLockHeld >= 0)
        close(std::exchange(m_nLockHeld, -1));
}

bool CSharedStoreFile::KeepDamaged()
{
    const CWritableFile backup(*m_pFolder, BACKUP_FILE);
    return backup.Fd() >= 0 && ftruncate(backup.Fd(), 0) == 0 &&
           WriteWhole(backup.Fd(), m_lastRead, 0) && fsync(backup.Fd()) == 0;
}

// The new copy must be on disk before the file is cut after the newest one.
bool CSharedStoreFile::Replace(const QByteArray& text)
{
    const CTableWrite write = PlanTableWrite(m_newest, text);
    if (m_nLocked < 0 || !WriteWhole(m_nLocked, write.bytes, write.nOffset) ||
        fdatasync(m_nLocked) != 0)
        return false;
    // Only older copies lie beyond; should the cut fail, they stay harmlessly.
    static_cast<void>(ftruncate(m_nLocked, write.nFileSize));
    return true;
}
