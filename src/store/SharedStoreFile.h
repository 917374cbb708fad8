#pragma once

#include "store/StoreFile.h"
#include "store/StoreTables.h"

#include <QString>
#include <memory>
#include <sys/types.h>

// The folder of the store that all users of the machine share, opened once and then used only
// through its handle, so that no path or environment variable can stand for it. The folder and
// every file used in it must belong to uidOwner and gidGroup (root and games when installed),
// must not be writable by others, and a file must be a regular file with one name only (a hard
// link could make it another game's file). Nothing is ever created in it: the install made the
// store file and its backup.
class CSharedFolder
{
public:
    // nullptr unless strFolder is such a folder with a store file and a backup that this
    // process may write.
    static std::shared_ptr<const CSharedFolder> Open(const QString& strFolder, uid_t uidOwner,
                                                     gid_t gidGroup);
    ~CSharedFolder();
    CSharedFolder(const CSharedFolder&) = delete;
    CSharedFolder& operator=(const CSharedFolder&) = delete;

    // A file of the folder, opened without following a symlink or blocking on a FIFO; -1 when
    // it is missing or refused.
    int OpenFile(const char* pszName, int nFlags) const;
    // False when the name no longer means the open file (it was replaced meanwhile).
    bool StillNamed(const char* pszName, int fd) const;

private:
    CSharedFolder(int fd, uid_t uidOwner, gid_t gidGroup);
    bool IsTrusted(int fd) const;

    const int m_nFd;
    const uid_t m_uidOwner;
    const gid_t m_gidGroup;
};

// Kelvara.reg in the shared folder: read without the games group, rewritten in place with it
// under a flock on Kelvara.reg.bak, in the layout of StoreTables.h. A damaged file is kept in
// that backup, which only the group may open.
class CSharedStoreFile : public CStoreFile
{
public:
    explicit CSharedStoreFile(std::shared_ptr<const CSharedFolder> pFolder);
    ~CSharedStoreFile() override;

    bool Read(QByteArray& text, bool& bTorn) override;
    bool Lock() override;
    void Unlock() override;
    bool KeepDamaged() override;
    bool Replace(const QByteArray& text) override;

private:
    const std::shared_ptr<const CSharedFolder> m_pFolder;
    int m_nLockHeld = -1; // the backup, locked
    int m_nLocked = -1;   // the store, open for writing while the lock is held
    QByteArray m_lastRead;
    CStoreTable m_newest; // in m_lastRead
    bool m_bFound = false;
};
