// Renders an SVG at the sizes given: RenderIcon IN.svg OUT SIZE..., where OUT is a file name
// with %1 in the place of the size (out/%1.png), for the program's pictures and the icon theme.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

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
        if (!image.save(strOut.arg(nSize), "PNG"))
            return 1;
    }
    return 0;
}
