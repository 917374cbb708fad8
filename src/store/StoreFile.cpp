#include "store/StoreFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>
#include <algorithm>

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
constexpr int LOCK_WAIT_MS = 8000;
constexpr int LOCK_POLL_MS = 5;
constexpr qint64 NEW_LOCK_NS = 200'000'000;

// QSaveFile leaves the old file whole when a step fails. On a full disk its commit takes a
// short write for a whole one, though; the flush before it reports the short write.
bool WriteAtomically(const QString& strPath, const QByteArray& data)
{
    QSaveFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush() &&
           file.commit();
}

// QSaveFile writes <file>.XXXXXX (six letters) and renames it over the file.
bool IsSaveLeftover(QStringView name, QStringView file)
{
    if (!name.startsWith(file))
        return false;
    QStringView suffix = name.mid(file.size());
    if (suffix.startsWith(u".bak."))
        suffix = suffix.mid(4);
    const auto isLetter = [](QChar ch) { return ch.isLetter() && ch.unicode() < 0x80; };
    return suffix.size() == 7 && suffix.front() == u'.' &&
           std::all_of(suffix.begin() + 1, suffix.end(), isLetter);
}

// A writer killed between QSaveFile's write and its rename leaves <file>.XXXXXX (or the
// backup's) behind. Removing a name never follows a symlink, and symlinks are not listed.
void RemoveSaveLeftovers(const QString& strPath)
{
    const QFileInfo store(strPath);
    const QDir folder = store.dir();
    for (const QString& strName :
         folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot)) {
        if (IsSaveLeftover(strName, store.fileName()))
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
    struct stat held {
    };
    struct stat named {
    };
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

CPrivateStoreFile::CPrivateStoreFile(const QString& strPath) : m_strPath(strPath) {}

CPrivateStoreFile::~CPrivateStoreFile() = default;

bool CPrivateStoreFile::Read(QByteArray& text, bool& bTorn)
{
    bTorn = false;
    text.clear();
    m_lastRead.clear();
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    text = file.read(MAX_STORE_BYTES);
    if (file.error() != QFileDevice::NoError) {
        text.clear();
        return false;
    }
    m_lastRead = text;
    // Damaged: only its start is kept in the backup, and the next write starts afresh.
    if (file.size() > MAX_STORE_BYTES) {
        text.clear();
        bTorn = true;
    }
    return true;
}

// Polls briefly instead of QLockFile's own back-off, which sleeps 100 ms and more while the
// other copy holds the lock for a millisecond.
bool CPrivateStoreFile::Lock()
{
    QDir().mkpath(QFileInfo(m_strPath).absolutePath());
    const QString strLockPath = m_strPath + QStringLiteral(".lock");
    m_pLock = std::make_unique<QLockFile>(strLockPath);
    m_pLock->setStaleLockTime(STALE_LOCK_MS);
    const QDeadlineTimer deadline(LOCK_WAIT_MS);
    while (!m_pLock->tryLock(0)) {
        RemoveAbandonedLock(strLockPath);
        if (m_pLock->error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            m_pLock.reset();
            return false;
        }
        QThread::msleep(LOCK_POLL_MS);
    }
    return true;
}

void CPrivateStoreFile::Unlock()
{
    m_pLock.reset();
}

bool CPrivateStoreFile::KeepDamaged()
{
    return WriteAtomically(m_strPath + QStringLiteral(".bak"), m_lastRead);
}

bool CPrivateStoreFile::Replace(const QByteArray& text)
{
    if (!WriteAtomically(m_strPath, text))
        return false;
    RemoveSaveLeftovers(m_strPath);
    return true;
}
