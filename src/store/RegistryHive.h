#pragma once

#include "store/RegKey.h"
#include "store/RegTree.h"
#include "store/RegistryLocation.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CStoreFile;

// The key tree of one root, backed by its store file. Reads take the file as it is on disk
// now, parsed again only when its text changed. Writes happen in transactions: under the
// store's lock, on the file as it is now, stored as one replacement, so that two running
// copies keep each other's values.
class CRegistryHive
{
public:
    // Changes the tree; false when it changed nothing.
    using ChangeFn = std::function<bool(CRegNode& root)>;
    // Several key operations made as one. It may run again later (see Transact), so it owns
    // everything it captures.
    using TransactionFn = std::function<void()>;

    explicit CRegistryHive(HKEY hRoot);
    ~CRegistryHive();

    // The hive of a root; nullptr for any other value, 0 included.
    static CRegistryHive* ForRoot(HKEY hRoot);

    // The file with the transactions not stored yet made on it; inside a transaction, the tree
    // it changes. Empty when the file is missing; what was read last when it cannot be read.
    // Valid until the next call.
    const CRegNode& Read();
    // Inside a transaction a part of it, otherwise a transaction of its own.
    bool Apply(const ChangeFn& change);
    // Runs fn, whose key operations on this root see and change the file as it is now, and
    // stores what they changed as one replacement. When that cannot be stored (no lock, a full
    // disk, a folder that cannot be written), fn is kept: reads show its effect, and each later
    // transaction makes it again on the file as it is then, until a replacement succeeds.
    // False when fn changed something that did not reach the file.
    bool Transact(const TransactionFn& fn);

private:
    void Locate();
    bool Load();
    void Run(const TransactionFn& fn);
    bool Store();

    const HKEY m_hRoot;
    const QString m_strRootName;
    CStoreLocation m_location;
    std::unique_ptr<CStoreFile> m_pFile;
    CRegNode m_tree;
    QByteArray m_fileText; // as last read or written: the tree is this plus m_pending
    bool m_bTreeValid = false;
    bool m_bDamaged = false;
    std::vector<TransactionFn> m_pending;

    bool m_bInTransaction = false;
    bool m_bChanged = false;
};
