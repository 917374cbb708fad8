#include "IsolatedHome.h"
#include "RecordingWavePlayer.h"
#include "WavePlayer.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    IsolatedHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Widget tests never reach the sound card; they check what was asked of it.
    SetWavePlayer(&RecordingWavePlayer::Instance());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
