#pragma once

#include "platform/WavePlayer.h"

#include <QList>

// Stands in for the sound card: notes which clips were asked for, and how.
class RecordingWavePlayer : public IWavePlayer
{
public:
    struct Call {
        int nSoundId; // the clip's resource id, found by its content
        bool bAsync;
    };

    static RecordingWavePlayer& Instance();

    void Play(const QByteArray& wave, bool bAsync) override;
    void Clear() { m_calls.clear(); }
    const QList<Call>& Calls() const { return m_calls; }
    QList<int> SoundIds() const;

private:
    QList<Call> m_calls;
};
