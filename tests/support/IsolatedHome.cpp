#include "IsolatedHome.h"

#include "RegKey.h"
#include "RegistryLocation.h"

#include <QDir>

IsolatedHome::IsolatedHome()
{
    const QString strRoot = m_dir.path();
    for (const char* pszVar : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString strPath = strRoot + QLatin1Char('/') + QString::fromLatin1(pszVar);
        QDir().mkpath(strPath);
        qputenv(pszVar, strPath.toLocal8Bit());
    }
    SetRegistryFiles(strRoot + QStringLiteral("/user.reg"), strRoot + QStringLiteral("/machine.reg"));
}
