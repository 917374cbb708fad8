#include "support/TempRegistry.h"

#include "store/RegKey.h"
#include "store/RegistryLocation.h"

TempRegistry::TempRegistry()
    : m_strPrevUser(RegistryFilePath(HKEY_CURRENT_USER)),
      m_strPrevMachine(RegistryFilePath(HKEY_LOCAL_MACHINE))
{
    SetRegistryFiles(UserFile(), MachineFile());
}

TempRegistry::~TempRegistry()
{
    SetRegistryFiles(m_strPrevUser, m_strPrevMachine);
}

QString TempRegistry::UserFile() const
{
    return m_dir.filePath(QStringLiteral("user.reg"));
}

QString TempRegistry::MachineFile() const
{
    return m_dir.filePath(QStringLiteral("machine.reg"));
}
