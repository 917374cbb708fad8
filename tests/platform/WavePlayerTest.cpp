#include "WavePlayer.h"
#include "RecordingWavePlayer.h"
#include "Resources.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace
{

QByteArray Sound(int nId)
{
    return FindResource(QStringLiteral("SOUND"), nId);
}

// Catches what reaches file descriptor 2 (Qt, libpulse, ALSA all write there) and every
// Qt message, for as long as it lives.
class QuietCheck
{
public:
    QuietCheck() : m_pFile(std::tmpfile()), m_nSavedFd(dup(2))
    {
        fflush(stderr);
        dup2(fileno(m_pFile), 2);
        s_messages.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& str) { s_messages << str; });
    }
    ~QuietCheck() { std::fclose(m_pFile); }

    // Everything printed since construction; ends the capture.
    std::string Printed()
    {
        qInstallMessageHandler(m_previous);
        fflush(stderr);
        dup2(m_nSavedFd, 2);
        close(m_nSavedFd);
        QByteArray text(static_cast<qsizetype>(std::ftell(m_pFile)), '\0');
        std::rewind(m_pFile);
        text.resize(static_cast<qsizetype>(std::fread(text.data(), 1, text.size(), m_pFile)));
        return (QString::fromLocal8Bit(text) + s_messages.join(QLatin1Char('\n'))).toStdString();
    }

private:
    static inline QStringList s_messages;
    std::FILE* m_pFile;
    int m_nSavedFd;
    QtMessageHandler m_previous = nullptr;
};

// The parts of a RIFF WAVE file the player needs, read independently of the player.
struct WaveInfo {
    int nFormatTag = 0, nChannels = 0, nRate = 0, nBits = 0;
    qsizetype nDataBytes = -1;
};

WaveInfo ReadWaveInfo(const QByteArray& wave)
{
    WaveInfo info;
    if (!wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return info;
    for (qsizetype nPos = 12; nPos + 8 <= wave.size();) {
        const char* p = wave.constData() + nPos;
        const quint32 nSize = qFromLittleEndian<quint32>(p + 4);
        if (wave.mid(nPos, 4) == "fmt " && nSize >= 16) {
            info.nFormatTag = qFromLittleEndian<quint16>(p + 8);
            info.nChannels = qFromLittleEndian<quint16>(p + 10);
            info.nRate = static_cast<int>(qFromLittleEndian<quint32>(p + 12));
            info.nBits = qFromLittleEndian<quint16>(p + 22);
        } else if (wave.mid(nPos, 4) == "data" && nPos + 8 + nSize <= wave.size()) {
            info.nDataBytes = nSize;
        }
        nPos += 8 + nSize + (nSize & 1);
    }
    return info;
}

// Guards against a clip the player cannot play, or one long enough to stall the window.
TEST(SoundClips, AreShortPlayablePcmWaves)
{
    for (int nId = 4000; nId <= 4013; ++nId) {
        SCOPED_TRACE(nId);
        const WaveInfo info = ReadWaveInfo(Sound(nId));
        EXPECT_EQ(info.nFormatTag, 1); // PCM
        EXPECT_TRUE(info.nChannels == 1 || info.nChannels == 2);
        EXPECT_TRUE(info.nBits == 8 || info.nBits == 16);
        ASSERT_GT(info.nRate, 0);
        ASSERT_GT(info.nDataBytes, 0);
        const qint64 nMs =
            info.nDataBytes * 1000 / (qint64(info.nRate) * info.nChannels * info.nBits / 8);
        const bool bSynchronous = nId == 4007 || nId == 4009;
        EXPECT_LE(nMs, bSynchronous ? 1000 : 1500);
    }
}

// Guards against the real player blocking, printing, or reading past the end of a bad
// clip when there is no sound server (the usual case on build machines and in CI).
TEST(RealWavePlayer, WithoutSoundServerReturnsAtOnceAndSilently)
{
    // An explicit, unreachable server: the outcome must not depend on the machine's audio.
    qputenv("PULSE_SERVER", "unix:/nonexistent/kelvara-test-pulse");
    SetWavePlayer(nullptr);
    QuietCheck quiet;
    const QByteArray good = Sound(4007);
    QByteArray dataBeforeFormat = good;
    dataBeforeFormat.replace(12, 4, "data");
    const QList<QByteArray> clips = {good,
                                     Sound(4000),
                                     good.left(30),                 // cut inside the header
                                     good.left(good.size() - 1001), // cut inside the samples
                                     dataBeforeFormat,
                                     QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f"),
                                     {}};
    for (const QByteArray& clip : clips) {
        for (bool bAsync : {true, false}) {
            QElapsedTimer timer;
            timer.start();
            WavePlayer().Play(clip, bAsync);
            EXPECT_LT(timer.elapsed(), 100) << "async " << bAsync;
        }
    }
    EXPECT_EQ(quiet.Printed(), "");
    SetWavePlayer(&RecordingWavePlayer::Instance());
}

} // namespace
