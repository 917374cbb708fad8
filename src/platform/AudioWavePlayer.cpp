#include "platform/WavePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

namespace
{

// The sound part of a RIFF WAVE file: its format and where its samples lie.
struct WaveClip {
    QAudioFormat format;
    qsizetype nDataOffset = 0;
    qsizetype nDataSize = 0;
};

constexpr quint16 WAVE_FORMAT_PCM = 1;
constexpr int SYNC_MARGIN_MS = 500; // server latency, and a server that has stalled

quint32 ReadU32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 ReadU16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

// Reads the "fmt " chunk; only 8-bit and 16-bit PCM can be played.
bool ParseFormat(const char* p, quint32 nSize, QAudioFormat& format)
{
    if (nSize < 16 || ReadU16(p) != WAVE_FORMAT_PCM)
        return false;
    const int nChannels = ReadU16(p + 2);
    const int nRate = static_cast<int>(ReadU32(p + 4));
    const int nBits = ReadU16(p + 14);
    if (nChannels < 1 || nRate < 1 || (nBits != 8 && nBits != 16))
        return false;
    format.setChannelCount(nChannels);
    format.setSampleRate(nRate);
    format.setSampleFormat(nBits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return true;
}

// Walks the chunks after the RIFF header; a clip needs a playable format and a data chunk.
bool ParseWave(const QByteArray& wave, WaveClip& clip)
{
    const char* pBase = wave.constData();
    const qsizetype nEnd = wave.size();
    if (nEnd < 12 || !wave.startsWith("RIFF") || QByteArrayView(pBase + 8, 4) != "WAVE")
        return false;
    bool bFormat = false;
    for (qsizetype nPos = 12; nPos + 8 <= nEnd;) {
        const QByteArrayView id(pBase + nPos, 4);
        const quint32 nSize = ReadU32(pBase + nPos + 4);
        const qsizetype nBody = nPos + 8;
        const qsizetype nAvailable = nEnd - nBody;
        if (id == "fmt ") {
            if (nSize > nAvailable || !ParseFormat(pBase + nBody, nSize, clip.format))
                return false;
            bFormat = true;
        } else if (id == "data") {
            if (!bFormat)
                return false;
            // A data chunk that claims more than the file holds plays what is there.
            clip.nDataOffset = nBody;
            clip.nDataSize = qMin<qsizetype>(nSize, nAvailable);
            clip.nDataSize -= clip.nDataSize % clip.format.bytesPerFrame();
            return clip.nDataSize > 0;
        }
        nPos = nBody + nSize + (nSize & 1); // chunks are padded to an even size
    }
    return false;
}

int DurationMs(const WaveClip& clip)
{
    return static_cast<int>(clip.format.durationForBytes(static_cast<qint32>(clip.nDataSize)) /
                            1000);
}

// Qt's audio back end complains on stderr when there is no sound server. The program
// reports nothing, so those complaints are dropped while the audio system first opens.
QAudioDevice DefaultOutput()
{
    static bool bOpened = false;
    if (bOpened)
        return QMediaDevices::defaultAudioOutput();
    bOpened = true;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous);
    return device;
}

// Plays each clip by handing all of it to the sound server at once: Qt's pull mode feeds
// in small timed portions and reports "idle" as soon as the last one is handed over,
// while a whole clip in the server's buffer plays without gaps and reports "idle" only
// when it has been played out, which is what a synchronous sound waits for.
class CAudioWavePlayer : public IWavePlayer
{
public:
    void Play(const QByteArray& wave, bool bAsync) override;

private:
    void Stop();
    static QAudioSink* StartSink(const QAudioDevice& device, const QByteArray& wave,
                                 const WaveClip& clip);
    static void WaitUntilDone(QAudioSink* pSink, int nTimeoutMs);

    // The clip playing, if any. Sinks belong to the application object, so that one still
    // playing at exit is gone before the audio system is.
    QPointer<QAudioSink> m_pSink;
};

// Deleting a sink runs the event loop from inside its destructor, so sinks are always
// deleted later, from the event loop itself.
void DiscardSink(QAudioSink* pSink)
{
    pSink->stop();
    pSink->deleteLater();
}

void CAudioWavePlayer::Stop()
{
    if (QAudioSink* pSink = m_pSink) {
        m_pSink = nullptr;
        DiscardSink(pSink); // silent at once; a synchronous wait on it ends
    }
}

void CAudioWavePlayer::Play(const QByteArray& wave, bool bAsync)
{
    Stop();
    WaveClip clip;
    if (!ParseWave(wave, clip))
        return;
    // Asking for the device here, not at start-up, is what opens the audio system on the
    // first sound. Without a device, creating a sink would only print complaints.
    const QAudioDevice device = DefaultOutput();
    if (device.isNull() || !device.isFormatSupported(clip.format))
        return;
    m_pSink = StartSink(device, wave, clip);
    if (m_pSink && !bAsync)
        WaitUntilDone(m_pSink, DurationMs(clip) + SYNC_MARGIN_MS);
}

QAudioSink* CAudioWavePlayer::StartSink(const QAudioDevice& device, const QByteArray& wave,
                                        const WaveClip& clip)
{
    auto* pSink = new QAudioSink(device, clip.format, QCoreApplication::instance());
    pSink->setBufferSize(clip.nDataSize);
    QIODevice* pInput = pSink->start();
    if (!pInput || pInput->write(wave.constData() + clip.nDataOffset, clip.nDataSize) <= 0 ||
        pSink->state() != QAudio::ActiveState) {
        DiscardSink(pSink);
        return nullptr;
    }
    // Played out (idle), cut off or failed (stopped): the stream is let go.
    QObject::connect(pSink, &QAudioSink::stateChanged, pSink, [pSink](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            pSink->deleteLater();
    });
    return pSink;
}

// Holds the caller until the clip has been played out, cut off or failed, or the time is
// up; timers and painting go on meanwhile, the user's input waits.
void CAudioWavePlayer::WaitUntilDone(QAudioSink* pSink, int nTimeoutMs)
{
    QEventLoop loop;
    QObject::connect(pSink, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(pSink, &QAudioSink::stateChanged, &loop, [&loop](QAudio::State state) {
        if (state != QAudio::ActiveState)
            loop.quit();
    });
    QTimer::singleShot(nTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

// Looked up by the program when it loads this module for its first sound.
extern "C" Q_DECL_EXPORT IWavePlayer* KelvaraCreateWavePlayer()
{
    static CAudioWavePlayer player;
    return &player;
}
