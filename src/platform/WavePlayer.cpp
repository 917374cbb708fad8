#include "WavePlayer.h"

#include <QCoreApplication>
#include <QLibrary>

namespace
{

class CSilentWavePlayer : public IWavePlayer
{
public:
    void Play(const QByteArray&, bool) override {}
};

using CreateWavePlayer = IWavePlayer* (*)();

// Qt Multimedia brings two dozen libraries along, which would slow every start. They come
// with the audio module, loaded on the first sound from beside the program (or from where
// the build put it). Without the module the game is silent, as without a sound card.
IWavePlayer* LoadAudioPlayer()
{
    for (const QString& strDir :
         {QCoreApplication::applicationDirPath(), QStringLiteral(KELVARA_AUDIO_BUILD_DIR)}) {
        QLibrary module(strDir + QStringLiteral("/kelvara_audio"));
        if (auto create =
                reinterpret_cast<CreateWavePlayer>(module.resolve("KelvaraCreateWavePlayer")))
            return create();
    }
    static CSilentWavePlayer silent;
    return &silent;
}

IWavePlayer* g_pOverride = nullptr;

} // namespace

IWavePlayer& WavePlayer()
{
    if (g_pOverride)
        return *g_pOverride;
    static IWavePlayer* const pPlayer = LoadAudioPlayer();
    return *pPlayer;
}

void SetWavePlayer(IWavePlayer* pPlayer)
{
    g_pOverride = pPlayer;
}
