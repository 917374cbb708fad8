#include "WavePlayer.h"

namespace {

class SilentWavePlayer : public IWavePlayer {
public:
    void Play(const QByteArray&, bool) override {}
};

IWavePlayer* g_pOverride = nullptr;

} // namespace

IWavePlayer& WavePlayer()
{
    if (g_pOverride)
        return *g_pOverride;
    static SilentWavePlayer player;
    return player;
}

void SetWavePlayer(IWavePlayer* pPlayer)
{
    g_pOverride = pPlayer;
}
