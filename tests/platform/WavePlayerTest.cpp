// The shipped clips play, and the real player never blocks or talks without a sound server.
#include "platform/WavePlayer.h"
#include "platform/Resources.h"
#include "res/Resource.h"
#include "support/RecordingWavePlayer.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

// A little-endian field of a clip's header; the tools write one of 44 bytes.
static qint64 Field(const QByteArray& wave, int nOffset, int nBytes = 4)
{
    const quint32 nValue = qFromLittleEndian<quint32>(wave.constData() + nOffset);
    return nBytes == 2 ? nValue & 0xffff : nValue;
}

// Guards against a clip the player cannot play (8 or 16-bit PCM), or one that stalls the window.
TEST(SoundClips, AreShortPlayablePcmWaves)
{
    for (int nId = SND_WIN; nId <= SND_ABOUT; ++nId) {
        const QByteArray wave = FindResource("SOUND", nId);
        ASSERT_GE(wave.size(), 44) << nId;
        EXPECT_EQ(wave.left(4), "RIFF") << nId;
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ") << nId;
        EXPECT_EQ(Field(wave, 20, 2), 1) << nId; // PCM
        const qint64 nChannels = Field(wave, 22, 2);
        const qint64 nBits = Field(wave, 34, 2);
        ASSERT_TRUE(nChannels == 1 || nChannels == 2) << nId << ": " << nChannels << " channels";
        ASSERT_TRUE(nBits == 8 || nBits == 16) << nId << ": " << nBits << " bits";
        ASSERT_GT(Field(wave, 24), 0) << nId << ": no samples per second";
        EXPECT_EQ(wave.mid(36, 4), "data") << nId;
        EXPECT_EQ(Field(wave, 40) + 44, wave.size()) << nId;
        const qint64 nMs = Field(wave, 40) * 1000 / (Field(wave, 24) * nChannels * nBits / 8);
        EXPECT_LE(nMs, nId == SND_EXIT || nId == SND_WINDOW_CLOSED ? 1000 : 1500)
            << nId; // those two play to their end while the program waits
    }
}

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
