#pragma once

#include "store/RegKey.h"

#include <QString>
#include <memory>
#include <sys/types.h>

class CSharedFolder;

// Where a root is kept: a file of this user's own, or the store all users of the machine share.
struct CStoreLocation {
    QString strFile;                              // empty for the shared store
    std::shared_ptr<const CSharedFolder> pShared; // nullptr for a file of one's own

    bool operator==(const CStoreLocation&) const = default;
};

// The user root: a file under $XDG_CONFIG_HOME. The machine root: the shared store in
// /var/games/kelvara when that folder, as opened once at the first call, belongs to root and
// the group an installed copy is setgid to (games) and its store file may be written; else a
// stand-in file under $XDG_DATA_HOME, as Windows gives a program without rights a store of
// its own. Neither path from the environment ever leads to the shared store.
CStoreLocation RegistryLocation(HKEY hRoot);

// The file of one's own that holds a root: for the machine root, the stand-in. Empty for no root.
QString RegistryFilePath(HKEY hRoot);

// Points both roots at files of one's own (tests); empty strings restore the real locations.
void SetRegistryFiles(const QString& strUserFile, const QString& strMachineFile);

// Makes the machine root the shared store in strFolder, as if installed there for uidOwner and
// gidGroup (tests). When the folder does not qualify, the machine root keeps its file.
void SetSharedStore(const QString& strFolder, uid_t uidOwner, gid_t gidGroup);
