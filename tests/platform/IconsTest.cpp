#include "platform/Icons.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>

// Guards against empty icons, fixed-size bitmaps, and pin pictures (1000 + 10 b + w) out of order.
TEST(Icons, EveryIconLoadsSharpAndPinsShowTheirResult)
{
    for (int nId :
         {128,  200,  201,  202,  203,  204,  205,  206,  207,  208,  209,  210,  211,  1000, 1001,
          1002, 1003, 1004, 1010, 1011, 1012, 1013, 1020, 1021, 1022, 1030, 1040, 1100, 1101}) {
        const QIcon icon = LoadIconRes(nId);
        ASSERT_FALSE(icon.isNull()) << nId;
        const QImage alpha = icon.pixmap(16).toImage().convertToFormat(QImage::Format_Alpha8);
        const auto covered = [](uchar nAlpha) { return nAlpha > 128; };
        EXPECT_GT(std::count_if(alpha.bits(), alpha.bits() + alpha.sizeInBytes(), covered), 12)
            << nId; // over 5% of 16 x 16
        EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256)) << nId;
        const QImage image = icon.pixmap(32).toImage();
        const std::string strPins =
            std::string(nId / 10 % 10, 'B') + std::string(nId % 10, 'W') + "oooo";
        for (int i = 0; i < 4 && nId / 100 == 10; ++i) { // places in reading order, beside a hole
            const int nGrey = qGray(image.pixel(12 + 13 * (i % 2), 9 + 13 * (i / 2)));
            EXPECT_EQ(nGrey < 100 ? 'B' : nGrey > 225 ? 'W' : 'o', strPins[i]) << nId << ", " << i;
        }
    }
    EXPECT_TRUE(LoadIconRes(999).isNull());
}
