#pragma once

#include "store/RegKey.h"

#include <QString>

// The file that holds a root: the user root under $XDG_CONFIG_HOME, the machine root
// in /var/games/kelvara when this process may write there, else under $XDG_DATA_HOME.
// Empty for no root.
QString RegistryFilePath(HKEY hRoot);

// True for a file in the machine store that all users share.
bool IsSharedStoreFile(const QString& strPath);

// Points both roots at other files (tests); empty strings restore the real locations.
void SetRegistryFiles(const QString& strUserFile, const QString& strMachineFile);
