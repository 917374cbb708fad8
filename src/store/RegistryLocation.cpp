#include "store/RegistryLocation.h"

#include "platform/Privileges.h"
#include "store/SharedStoreFile.h"

#include <QStandardPaths>

namespace
{

const QLatin1String SHARED_FOLDER("/var/games/kelvara");
constexpr uid_t SHARED_OWNER = 0;

QString g_strUserFile;
QString g_strMachineFile;
bool g_bSharedSet = false;
std::shared_ptr<const CSharedFolder> g_pSharedSet;

QString UserFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Torvane/Kelvara.reg");
}

QString StandInFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Torvane/Kelvara/machine.reg");
}

std::shared_ptr<const CSharedFolder> SharedFolder()
{
    if (g_bSharedSet)
        return g_pSharedSet;
    if (!g_strMachineFile.isEmpty())
        return nullptr;
    static const std::shared_ptr<const CSharedFolder> pInstalled =
        CSharedFolder::Open(SHARED_FOLDER, SHARED_OWNER, SharedStoreGroup());
    return pInstalled;
}

} // namespace

CStoreLocation RegistryLocation(HKEY hRoot)
{
    if (hRoot == HKEY_LOCAL_MACHINE) {
        if (std::shared_ptr<const CSharedFolder> pShared = SharedFolder())
            return {QString(), std::move(pShared)};
    }
    return {RegistryFilePath(hRoot), nullptr};
}

QString RegistryFilePath(HKEY hRoot)
{
    switch (hRoot) {
    case HKEY_CURRENT_USER:
        return g_strUserFile.isEmpty() ? UserFile() : g_strUserFile;
    case HKEY_LOCAL_MACHINE:
        return g_strMachineFile.isEmpty() ? StandInFile() : g_strMachineFile;
    default:
        return {};
    }
}

void SetRegistryFiles(const QString& strUserFile, const QString& strMachineFile)
{
    g_strUserFile = strUserFile;
    g_strMachineFile = strMachineFile;
    g_bSharedSet = false;
    g_pSharedSet.reset();
}

void SetSharedStore(const QString& strFolder, uid_t uidOwner, gid_t gidGroup)
{
    g_bSharedSet = true;
    g_pSharedSet = CSharedFolder::Open(strFolder, uidOwner, gidGroup);
}
