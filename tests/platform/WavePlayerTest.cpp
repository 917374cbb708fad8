#include "platform/WavePlayer.h"
#include "platform/Resources.h"
#include "support/RecordingWavePlayer.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

// Guards against a clip the player cannot play (8 or 16-bit PCM), or one that stalls the window.
TEST(SoundClips, AreShortPlayablePcmWaves)
{
    for (int nId = 4000; nId <= 4013; ++nId) {
        const QByteArray wave = FindResource("SOUND", nId); // the tools write a 44-byte header
        const auto u32 = [&](int n) { return qFromLittleEndian<quint32>(wave.constData() + n); };
        const qint64 nChannels = u32(22) & 0xffff, nBits = u32(34) & 0xffff;
        ASSERT_TRUE(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt " &&
                    wave.mid(36, 4) == "data" && u32(40) + 44 == wave.size() &&
                    (u32(20) & 0xffff) == 1 && (nChannels == 1 || nChannels == 2) &&
                    (nBits == 8 || nBits == 16) && u32(24) > 0)
            << nId;
        const qint64 nMs = u32(40) * 1000LL / (u32(24) * nChannels * nBits / 8);
        EXPECT_LE(nMs, nId == 4007 || nId == 4009 ? 1000 : 1500) << nId; // two play synchronously
    }
}

// Guards against the player blocking, printing or overreading bad clips without a sound server.
TEST(RealWavePlayer, WithoutSoundServerReturnsAtOnceAndSilently)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/kelvara-test-pulse"); // whatever the machine has
    SetWavePlayer(nullptr);
    const QByteArray good = FindResource("SOUND", 4007);
    const QByteArray huge("RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f"); // sizes past the end
    const QByteArray clips[] = {
        good, good.left(30), good.left(good.size() - 1001), QByteArray(good).replace(12, 4, "data"),
        huge, QByteArray()};
    testing::internal::CaptureStderr(); // file descriptor 2, where Qt, libpulse and ALSA write
    for (const QByteArray& clip : clips)
        for (bool bAsync : {true, false}) {
            QElapsedTimer timer;
            timer.start();
            WavePlayer().Play(clip, bAsync);
            EXPECT_LT(timer.elapsed(), 100) << "async " << bAsync;
        }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    SetWavePlayer(&RecordingWavePlayer::Instance());
}
