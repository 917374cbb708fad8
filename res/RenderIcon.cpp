// Renders the program icon at one size for the icon theme: RenderIcon IN.svg SIZE OUT.png
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int nSize = QByteArray(argv[2]).toInt();
    if (!renderer.isValid() || nSize <= 0)
        return 1;
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
