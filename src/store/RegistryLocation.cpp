#include "RegistryLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

QString g_strUserFile;
QString g_strMachineFile;

QString UserFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Torvane/Kelvara.reg");
}

// An installed copy shares its players and scores through /var/games; a copy that may
// not write there keeps a machine store of its own, as a program without rights would.
QString MachineFile()
{
    const QFileInfo shared(QStringLiteral("/var/games/kelvara"));
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
