// Every picture the program draws loads sharp, and each pin picture shows its result.
#include "platform/Icons.h"
#include "res/Resource.h"

#include <QImage>
#include <QMap>
#include <gtest/gtest.h>

#include <algorithm>

// Guards against empty icons, fixed-size bitmaps, and pin pictures out of order.
TEST(Icons, EveryIconLoadsSharpAndPinsShowTheirResult)
{
    QMap<int, QString> icons{{IDI_PROGRAM, {}}, {IDI_PLAY, {}}, {IDI_DROP, {}}}; // pins shown
    for (int nId = IDR_NO_DICTIONARY; nId <= IDR_FIRST_DICTIONARY + 10; ++nId)   // every flag
        icons[nId] = {};
    for (int nBlack = 0; nBlack <= 4; ++nBlack) // black first, then white, then holes
        for (int nWhite = 0; nBlack + nWhite <= 4; ++nWhite)
            if (nBlack != 3 || nWhite != 1) // no result has three black pins and one white
                icons[IDI_FIRST_PIN + 10 * nBlack + nWhite] =
                    QString(nBlack, 'B') + QString(nWhite, 'W') + QString(4 - nBlack - nWhite, 'o');
    for (auto it = icons.cbegin(); it != icons.cend(); ++it) {
        const QIcon icon = LoadIconRes(it.key());
        ASSERT_FALSE(icon.isNull()) << it.key();
        const QImage alpha = icon.pixmap(16).toImage().convertToFormat(QImage::Format_Alpha8);
        const auto covered = [](uchar nAlpha) { return nAlpha > 128; };
        EXPECT_GT(std::count_if(alpha.bits(), alpha.bits() + alpha.sizeInBytes(), covered), 12)
            << it.key(); // over 5% of 16 x 16
        EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256)) << it.key();
        const QImage image = icon.pixmap(32).toImage();
        QString strPins; // the four places in reading order, each beside a hole
        for (int i = 0; i < 4 && !it.value().isEmpty(); ++i) {
            const int nGrey = qGray(image.pixel(12 + 13 * (i % 2), 9 + 13 * (i / 2)));
            strPins += nGrey < 100 ? 'B' : nGrey > 225 ? 'W' : 'o';
        }
        EXPECT_EQ(strPins, it.value()) << it.key();
    }
    EXPECT_TRUE(LoadIconRes(IDI_FIRST_PIN - 1).isNull());
}
