#include "platform/WavePlayer.h"

#include <QEventLoop>
#include <QTimer>
#include <QtEndian>
#include <alsa/asoundlib.h>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace
{

// The sound part of a RIFF WAVE file: its format and where its samples lie.
struct WaveClip {
    snd_pcm_format_t format = SND_PCM_FORMAT_UNKNOWN;
    unsigned nChannels = 0;
    unsigned nRate = 0;
    qsizetype nFrameBytes = 0;
    qsizetype nDataOffset = 0;
    qsizetype nDataSize = 0;
};

constexpr quint16 WAVE_FORMAT_PCM = 1;
constexpr int SYNC_MARGIN_MS = 500;       // server latency, and a server that has stalled
constexpr unsigned LATENCY_US = 100000;   // what the device may hold ahead of the ear
constexpr snd_pcm_uframes_t CHUNK = 1024; // written at a time, so that a new clip cuts in
constexpr int WAIT_MS = 10;               // between looks at the device and at a cut-off

quint32 ReadU32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 ReadU16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

// Reads the "fmt " chunk; only 8-bit and 16-bit PCM can be played.
bool ParseFormat(const char* p, quint32 nSize, WaveClip& clip)
{
    if (nSize < 16 || ReadU16(p) != WAVE_FORMAT_PCM)
        return false;
    const unsigned nChannels = ReadU16(p + 2);
    const unsigned nRate = ReadU32(p + 4);
    const unsigned nBits = ReadU16(p + 14);
    if (nChannels < 1 || nRate < 1 || (nBits != 8 && nBits != 16))
        return false;
    clip.nChannels = nChannels;
    clip.nRate = nRate;
    clip.format = nBits == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    clip.nFrameBytes = static_cast<qsizetype>(nChannels) * (nBits / 8);
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
            if (nSize > nAvailable || !ParseFormat(pBase + nBody, nSize, clip))
                return false;
            bFormat = true;
        } else if (id == "data") {
            if (!bFormat)
                return false;
            // A data chunk that claims more than the file holds plays what is there.
            clip.nDataOffset = nBody;
            clip.nDataSize = qMin<qsizetype>(nSize, nAvailable);
            clip.nDataSize -= clip.nDataSize % clip.nFrameBytes;
            return clip.nDataSize > 0;
        }
        nPos = nBody + nSize + (nSize & 1); // chunks are padded to an even size
    }
    return false;
}

int DurationMs(const WaveClip& clip)
{
    return static_cast<int>(clip.nDataSize / clip.nFrameBytes * 1000 / clip.nRate);
}

// ALSA tells stderr why it has no device; the program reports nothing.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// One clip on its way to the device, on a thread of its own: opening the device, writing and
// playing out never hold the caller. Cutting it off is seen within one chunk or one wait.
class CPlayback
{
public:
    CPlayback(const QByteArray& wave, const WaveClip& clip)
        : m_wave(wave), m_clip(clip), m_thread([this] { Run(); })
    {
    }
    ~CPlayback()
    {
        m_bCut = true;
        m_thread.join();
    }
    bool IsDone() const { return m_bDone; }

private:
    void Run()
    {
        snd_pcm_t* pPcm = nullptr;
        if (snd_pcm_open(&pPcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) == 0) {
            if (snd_pcm_set_params(pPcm, m_clip.format, SND_PCM_ACCESS_RW_INTERLEAVED,
                                   m_clip.nChannels, m_clip.nRate, 1, LATENCY_US) == 0 &&
                WriteAll(pPcm))
                PlayOut(pPcm);
            snd_pcm_drop(pPcm);
            snd_pcm_close(pPcm);
        }
        m_bDone = true;
    }

    bool WriteAll(snd_pcm_t* pPcm)
    {
        const char* pFrames = m_wave.constData() + m_clip.nDataOffset;
        auto nLeft = static_cast<snd_pcm_uframes_t>(m_clip.nDataSize / m_clip.nFrameBytes);
        while (nLeft > 0 && !m_bCut) {
            snd_pcm_sframes_t nWritten = snd_pcm_writei(pPcm, pFrames, qMin(nLeft, CHUNK));
            if (nWritten == -EAGAIN) {
                snd_pcm_wait(pPcm, WAIT_MS);
                continue;
            }
            if (nWritten < 0 && snd_pcm_recover(pPcm, static_cast<int>(nWritten), 1) < 0)
                return false;
            if (nWritten > 0) {
                pFrames += nWritten * m_clip.nFrameBytes;
                nLeft -= static_cast<snd_pcm_uframes_t>(nWritten);
            }
        }
        return !m_bCut;
    }

    // A clip shorter than the device's buffer has not started yet; the device then plays
    // what it holds, which is over when it runs dry.
    void PlayOut(snd_pcm_t* pPcm)
    {
        if (snd_pcm_state(pPcm) == SND_PCM_STATE_PREPARED)
            snd_pcm_start(pPcm);
        snd_pcm_sframes_t nHeld = 0;
        while (!m_bCut && snd_pcm_state(pPcm) == SND_PCM_STATE_RUNNING &&
               snd_pcm_delay(pPcm, &nHeld) == 0 && nHeld > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(WAIT_MS));
    }

    const QByteArray m_wave;
    const WaveClip m_clip;
    std::atomic<bool> m_bCut = false;
    std::atomic<bool> m_bDone = false;
    std::thread m_thread; // last: it starts once the rest is there
};

class CAlsaWavePlayer : public IWavePlayer
{
public:
    CAlsaWavePlayer() { snd_lib_error_set_handler(IgnoreAlsaError); }
    void Play(const QByteArray& wave, bool bAsync) override;

private:
    static void WaitUntilDone(const CPlayback& playback, int nTimeoutMs);

    std::unique_ptr<CPlayback> m_pPlaying;
};

void CAlsaWavePlayer::Play(const QByteArray& wave, bool bAsync)
{
    m_pPlaying.reset(); // a new clip cuts off the one playing
    WaveClip clip;
    if (!ParseWave(wave, clip))
        return;
    m_pPlaying = std::make_unique<CPlayback>(wave, clip);
    if (!bAsync)
        WaitUntilDone(*m_pPlaying, DurationMs(clip) + SYNC_MARGIN_MS);
}

// Holds the caller until the clip has been played out or failed, or the time is up; timers
// and painting go on meanwhile, the user's input waits.
void CAlsaWavePlayer::WaitUntilDone(const CPlayback& playback, int nTimeoutMs)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&loop, &playback] {
        if (playback.IsDone())
            loop.quit();
    });
    look.start(WAIT_MS);
    QTimer::singleShot(nTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

// Looked up by the program when it loads this module for its first sound.
extern "C" Q_DECL_EXPORT IWavePlayer* KelvaraCreateWavePlayer()
{
    static CAlsaWavePlayer player;
    return &player;
}
