#include "store/RegistryLocation.h"

#include "platform/Privileges.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

const QLatin1String SHARED_FOLDER("/var/games/kelvara");

QString g_strUserFile;
QString g_strMachineFile;

QString UserFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Torvane/Kelvara.reg");
}

// An installed copy shares its players and scores through /var/games; a copy that may
// not write there keeps a machine store of its own, as a program without rights would.
// A setgid copy may write there only with the games group, which it holds while it writes.
QString MachineFile()
{
    const CStoreAccess access(true);
    const QFileInfo shared(SHARED_FOLDER);
    if (shared.isDir() && shared.isWritable())
        return shared.filePath() + QStringLiteral("/Kelvara.reg");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Torvane/Kelvara/machine.reg");
}

} // namespace

QString RegistryFilePath(HKEY hRoot)
{
    switch (hRoot) {
    case HKEY_CURRENT_USER:
        return g_strUserFile.isEmpty() ? UserFile() : g_strUserFile;
    case HKEY_LOCAL_MACHINE:
        return g_strMachineFile.isEmpty() ? MachineFile() : g_strMachineFile;
    default:
        return {};
    }
}

void SetRegistryFiles(const QString& strUserFile, const QString& strMachineFile)
{
    g_strUserFile = strUserFile;
    g_strMachineFile = strMachineFile;
}

bool IsSharedStoreFile(const QString& strPath)
{
    return strPath.startsWith(SHARED_FOLDER + QLatin1Char('/'));
}
