// Renders an SVG at the sizes given: RenderIcon IN.svg OUT SIZE..., where OUT is a file name
// with %1 in the place of the size. A name ending in .png gets a PNG, for the icon theme; any
// other the bare premultiplied ARGB pixels, which the program shows without decoding them.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

static bool Save(const QImage& image, const QString& strPath)
{
    if (strPath.endsWith(QLatin1String(".png")))
        return image.save(strPath, "PNG");
    QFile file(strPath);
    const auto nBytes = static_cast<qint64>(image.sizeInBytes());
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.constBits()), nBytes) == nBytes;
}

int main(int argc, char* argv[])
{
    if (argc < 4)
        return 2;
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    const QString strOut = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int nSize = QByteArray(argv[i]).toInt();
        if (nSize <= 0)
            return 1;
        QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!Save(image, strOut.arg(nSize)))
            return 1;
    }
    return 0;
}
