#include "platform/Resources.h"

#include <QResource>

QString ResourcePath(const QString& strType, int nId)
{
    return QStringLiteral(":/%1/%2").arg(strType.toLower()).arg(nId);
}

QByteArray FindResource(const QString& strType, int nId)
{
    const QResource resource(ResourcePath(strType, nId));
    if (!resource.isValid() || resource.size() <= 0)
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}
