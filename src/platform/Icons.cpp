#include "platform/Icons.h"

#include "platform/Resources.h"

#include <QFile>
#include <QLabel>

QIcon LoadIconRes(int nId)
{
    const QString strPath = ResourcePath(QStringLiteral("Icon"), nId);
    if (!QFile::exists(strPath))
        return {};
    // Qt knows the SVG by its content and draws it with its scalable icon engine, so the
    // icon is sharp at any size and on any screen density.
    return QIcon(strPath);
}

bool SetLabelIcon(QLabel* pLabel, int nId)
{
    const QIcon icon = LoadIconRes(nId);
    if (!pLabel || icon.isNull())
        return false;
    const int nSide = qMax(8, qMin(pLabel->width(), pLabel->height()) - 2 * pLabel->frameWidth());
    pLabel->setPixmap(icon.pixmap(QSize(nSide, nSide), pLabel->devicePixelRatioF()));
    return true;
}
