// The real player never blocks or talks without a sound server, whatever the clip.
#include "platform/WavePlayer.h"
#include "platform/Resources.h"
#include "res/Resource.h"
#include "support/RecordingWavePlayer.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

// Guards against the player blocking, printing or overreading bad clips without a sound server.
TEST(RealWavePlayer, WithoutSoundServerReturnsAtOnceAndSilently)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/kelvara-test-pulse"); // whatever the machine has
    SetWavePlayer(nullptr);
    const QByteArray good = FindResource("SOUND", SND_EXIT);
    const std::pair<const char*, QByteArray> clips[] = {
        {"a good clip", good},
        {"a cut header", good.left(30)},
        {"cut data", good.left(good.size() - 1001)},
        {"data where the format belongs", QByteArray(good).replace(12, 4, "data")},
        {"sizes past the end", "RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f"},
        {"nothing", {}}};
    testing::internal::CaptureStderr(); // file descriptor 2, where Qt, libpulse and ALSA write
    WavePlayer(); // loads the audio module once, which takes its time on a busy machine
    for (const auto& [pszClip, clip] : clips)
        for (bool bAsync : {true, false}) {
            QElapsedTimer timer;
            timer.start();
            WavePlayer().Play(clip, bAsync);
            EXPECT_LT(timer.elapsed(), 100) << pszClip << (bAsync ? ", async" : ", sync");
        }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    SetWavePlayer(&RecordingWavePlayer::Instance());
}
