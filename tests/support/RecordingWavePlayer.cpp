#include "support/RecordingWavePlayer.h"

#include "platform/Resources.h"

namespace
{

int SoundIdOf(const QByteArray& wave)
{
    for (int nId = 4000; nId <= 4013; ++nId) {
        if (FindResource(QStringLiteral("SOUND"), nId) == wave)
            return nId;
    }
    return 0;
}

} // namespace

RecordingWavePlayer& RecordingWavePlayer::Instance()
{
    static RecordingWavePlayer player;
    return player;
}

void RecordingWavePlayer::Play(const QByteArray& wave, bool bAsync)
{
    m_calls.append({SoundIdOf(wave), bAsync});
}

QList<int> RecordingWavePlayer::SoundIds() const
{
    QList<int> ids;
    for (const Call& call : m_calls)
        ids.append(call.nSoundId);
    return ids;
}
