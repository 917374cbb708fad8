#include "platform/WavePlayer.h"

#include "platform/Privileges.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace
{

class CSilentWavePlayer : public IWavePlayer
{
public:
    void Play(const QByteArray&, bool) override {}
};

using CreateWavePlayer = IWavePlayer* (*)();

// An installed or setgid copy takes the module from the installed folder only, never from one
// its user could fill; a copy in the build tree finds it beside itself or where the build put it.
QStringList ModuleFolders()
{
    const QString strProgramDir = QCoreApplication::applicationDirPath();
    if (StartedPrivileged() || strProgramDir == QStringLiteral(KELVARA_INSTALLED_BIN_DIR))
        return {QStringLiteral(KELVARA_AUDIO_INSTALL_DIR)};
    return {strProgramDir, QStringLiteral(KELVARA_AUDIO_BUILD_DIR)};
}

// The sound library, and the sound server's client it brings along, would slow every start
// and stay in memory in a silent game. They come with the audio module, loaded on the first
// sound. Without the module the game is silent,
// as without a sound card.
IWavePlayer* LoadAudioPlayer()
{
    for (const QString& strDir : ModuleFolders()) {
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
