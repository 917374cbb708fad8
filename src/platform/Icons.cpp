#include "platform/Icons.h"

#include "platform/Resources.h"

#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>

namespace
{

// Pictures come as PNGs rendered at build time in the sizes the windows draw them, so that
// no SVG renderer has to load before the first window shows. A size that was not rendered
// (another font, another scale) is drawn from the SVG, whose renderer loads only then.
class CPictureEngine final : public QIconEngine
{
public:
    explicit CPictureEngine(int nId) : m_nId(nId) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap rendered = Rendered(size);
        if (!rendered.isNull())
            return QIcon(rendered).pixmap(size, 1.0, mode, state);
        return Scalable().pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal rRatio = pPainter->device()->devicePixelRatioF();
        QPixmap picture = pixmap(rect.size() * rRatio, mode, state);
        picture.setDevicePixelRatio(rRatio);
        pPainter->drawPixmap(rect, picture);
    }

    QIconEngine* clone() const override { return new CPictureEngine(m_nId); }
    QString key() const override { return QStringLiteral("KelvaraPicture"); }

private:
    // Rendered pictures are bare premultiplied pixels, square.
    QPixmap Rendered(const QSize& size) const
    {
        const QString strKey = QStringLiteral("picture/%1/%2").arg(m_nId).arg(size.width());
        QPixmap picture;
        if (size.width() != size.height() || QPixmapCache::find(strKey, &picture))
            return picture;
        const QByteArray pixels = QResource(QLatin1Char(':') + strKey).uncompressedData();
        const int nSide = size.width();
        if (pixels.size() != qsizetype(nSide) * nSide * 4)
            return picture;
        // A copy: the pixmap may keep the image, which must not point into the buffer.
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), nSide, nSide,
                           QImage::Format_ARGB32_Premultiplied);
        picture = QPixmap::fromImage(image.copy());
        QPixmapCache::insert(strKey, picture);
        return picture;
    }

    const QIcon& Scalable()
    {
        if (m_scalable.isNull())
            m_scalable = QIcon(ResourcePath(QStringLiteral("Icon"), m_nId));
        return m_scalable;
    }

    int m_nId;
    QIcon m_scalable;
};

} // namespace

QIcon LoadIconRes(int nId)
{
    if (!QFile::exists(ResourcePath(QStringLiteral("Icon"), nId)))
        return {};
    return QIcon(new CPictureEngine(nId));
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
