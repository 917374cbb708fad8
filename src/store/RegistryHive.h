#pragma once

#include "store/RegKey.h"
#include "store/RegTree.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;

// The key tree of one root, backed by its store file. Reads take the file as it is on disk
// now; writes re-read it under a lock file and replace it whole, so that two running
// copies keep each other's values. Between BeginBatch and EndBatch the lock is held and
// the writes collect in memory, to reach the file as one replacement.
class CRegistryHive
{
public:
    enum class EChange { Refused, None, Made };
    using ChangeFn = std::function<EChange(CRegNode& root)>;

    explicit CRegistryHive(HKEY hRoot);
    ~CRegistryHive();

    // The hive of a root; nullptr for any other value, 0 included.
    static CRegistryHive* ForRoot(HKEY hRoot);

    // Empty when the file is missing or cannot be read. Valid until the next call.
    const CRegNode& Read();
    // False when the change was refused or could not be stored.
    bool Apply(const ChangeFn& change);

    void BeginBatch();
    void EndBatch();

private:
    struct CUnlock {
        void operator()(QLockFile* pLock) const;
    };
    using LockPtr = std::unique_ptr<QLockFile, CUnlock>;

    bool Load();
    bool Store();
    LockPtr Lock() const;

    const HKEY m_hRoot;
    const QString m_strRootName;
    QString m_strPath;
    CRegNode m_tree;
    QByteArray m_fileText; // as last read, for the backup of a file not wholly understood
    bool m_bDamaged = false;

    LockPtr m_pBatchLock;
    int m_nBatchDepth = 0;
    bool m_bBatchLoaded = false;
    bool m_bBatchChanged = false;
};
