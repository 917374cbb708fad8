#include "support/IsolatedHome.h"

#include "store/RegKey.h"
#include "store/RegistryLocation.h"

#include <QDir>
#include <QFile>

IsolatedHome::IsolatedHome()
{
    const QString strRoot = m_dir.path();
    for (const char* pszVar :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString strPath = strRoot + QLatin1Char('/') + QString::fromLatin1(pszVar);
        QDir().mkpath(strPath);
        // Qt wants a private runtime folder and says so on stderr otherwise.
        QFile::setPermissions(strPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(pszVar, strPath.toLocal8Bit());
    }
    SetRegistryFiles(strRoot + QStringLiteral("/user.reg"),
                     strRoot + QStringLiteral("/machine.reg"));
}
