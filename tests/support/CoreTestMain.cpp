#include "support/IsolatedHome.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    IsolatedHome home;
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
