// The real player never blocks or talks without a sound device, whatever the clip, and hands
// a clip whole to the device it has.
#include "platform/WavePlayer.h"
#include "platform/Resources.h"
#include "res/Resource.h"
#include "support/RecordingWavePlayer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

namespace
{

constexpr int WAVE_HEADER_BYTES = 44; // the clips' RIFF, "fmt " and "data" headers

// ALSA's default device becomes a file of the samples it is handed, in the test's home.
QString UseFileAsSoundDevice()
{
    const QString strHome = QDir::homePath();
    const QString strSamples = strHome + QStringLiteral("/samples.raw");
    QFile config(strHome + QStringLiteral("/.asoundrc"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("pcm.!default { type file slave.pcm \"null\" file \"%1\" "
                                "format \"raw\" }\n")
                     .arg(strSamples)
                     .toUtf8());
    config.close();
    snd_config_update_free_global(); // read once a process; this makes ALSA read it again
    return strSamples;
}

// Waits up to nMs for the whole clip, which goes out on a thread of the player's.
qint64 SizeOnceWhole(const QString& strPath, qint64 nWhole, int nMs)
{
    const QDeadlineTimer deadline(nMs);
    while (QFileInfo(strPath).size() < nWhole && !deadline.hasExpired())
        QThread::msleep(20);
    return QFileInfo(strPath).size();
}

} // namespace

// Guards against the player blocking, printing or overreading bad clips without a sound server.
TEST(RealWavePlayer, WithoutSoundServerReturnsAtOnceAndSilently)
{
    QFile::remove(QDir::homePath() + QStringLiteral("/.asoundrc")); // no device at all
    SetWavePlayer(nullptr);
    const QByteArray good = FindResource("SOUND", SND_EXIT);
    const std::pair<const char*, QByteArray> clips[] = {
        {"a good clip", good},
        {"a cut header", good.left(30)},
        {"cut data", good.left(good.size() - 1001)},
        {"data where the format belongs", QByteArray(good).replace(12, 4, "data")},
        {"sizes past the end", "RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f"},
        {"nothing", {}}};
    testing::internal::CaptureStderr(); // file descriptor 2, where Qt and ALSA write
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

TEST(RealWavePlayer, HandsEveryClipWholeToTheDevice)
{
    const QString strSamples = UseFileAsSoundDevice();
    SetWavePlayer(nullptr);
    const struct {
        const char* pszClip;
        int nSound;
        bool bAsync;
        int nMsAfterPlay;
    } rows[] = {
        {"a click, shorter than the device's buffer", SND_LETTER, true, 2000},
        {"the closing sound, out before Play returns", SND_EXIT, false, 0},
    };
    for (const auto& row : rows) {
        QFile::remove(strSamples);
        const QByteArray wave = FindResource("SOUND", row.nSound);
        WavePlayer().Play(wave, row.bAsync);
        const qint64 nSamples = wave.size() - WAVE_HEADER_BYTES;
        EXPECT_EQ(SizeOnceWhole(strSamples, nSamples, row.nMsAfterPlay), nSamples) << row.pszClip;
    }
    SetWavePlayer(&RecordingWavePlayer::Instance());
}
