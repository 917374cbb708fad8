#include "Icons.h"

#include "Resources.h"

#include <QFile>

QIcon LoadIconRes(int nId)
{
    const QString strPath = ResourcePath(QStringLiteral("Icon"), nId);
    if (!QFile::exists(strPath))
        return {};
    // Qt knows the SVG by its content and draws it with its scalable icon engine, so the
    // icon is sharp at any size and on any screen density.
    return QIcon(strPath);
}
