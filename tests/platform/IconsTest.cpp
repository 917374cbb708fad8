#include "Icons.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace
{

const QList<int> ICON_IDS = {128,  200,  201,  202,  203,  204,  205,  206,  207,  208,
                             209,  210,  211,  1000, 1001, 1002, 1003, 1004, 1010, 1011,
                             1012, 1013, 1020, 1021, 1022, 1030, 1040, 1100, 1101};

double CoveredShare(const QImage& image)
{
    int nCovered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            nCovered += qAlpha(image.pixel(x, y)) > 128;
    }
    return double(nCovered) / (image.width() * image.height());
}

// Guards against a missing or empty icon, and against icons drawn as a fixed-size bitmap
// (blurred when scaled) instead of from their vector source.
TEST(Icons, EveryIconLoadsScalableAndVisible)
{
    for (int nId : ICON_IDS) {
        SCOPED_TRACE(nId);
        const QIcon icon = LoadIconRes(nId);
        ASSERT_FALSE(icon.isNull());
        EXPECT_GT(CoveredShare(icon.pixmap(QSize(16, 16)).toImage()), 0.05);
        EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
        EXPECT_EQ(icon.pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48)); // high density
    }
    EXPECT_TRUE(LoadIconRes(999).isNull());
}

// What a pin picture shows in its four places, in reading order: B black, W white, o hole.
QString PinPattern(int nId)
{
    const QImage image = LoadIconRes(nId).pixmap(QSize(32, 32)).toImage();
    QString str;
    for (const QPoint& centre : {QPoint(9, 9), QPoint(22, 9), QPoint(9, 22), QPoint(22, 22)}) {
        // Beside the centre: inside a pin, but outside the small hole of an empty place.
        const int nGrey = qGray(image.pixel(centre + QPoint(3, 0)));
        str += nGrey < 100 ? QLatin1Char('B') : nGrey > 225 ? QLatin1Char('W') : QLatin1Char('o');
    }
    return str;
}

// Guards against a pin picture that shows the wrong result or fills the places out of order.
TEST(Icons, PinPicturesShowBlackThenWhiteInReadingOrder)
{
    for (int nBlack = 0; nBlack <= 4; ++nBlack) {
        for (int nWhite = 0; nBlack + nWhite <= 4; ++nWhite) {
            if (nBlack == 3 && nWhite == 1)
                continue; // cannot happen, so there is no picture for it
            const QString strExpected = QString(nBlack, QLatin1Char('B')) +
                                        QString(nWhite, QLatin1Char('W')) +
                                        QString(4 - nBlack - nWhite, QLatin1Char('o'));
            EXPECT_EQ(PinPattern(1000 + 10 * nBlack + nWhite), strExpected);
        }
    }
}

} // namespace
