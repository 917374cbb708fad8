#pragma once

#include <QByteArray>

// Plays a complete RIFF WAVE clip held in memory. Asynchronous play returns at once;
// synchronous play returns when the clip has ended. A new clip cuts off the one playing.
// Any failure (no audio device, no sound server, a clip it cannot play) is silent.
class IWavePlayer
{
public:
    virtual ~IWavePlayer() = default;
    virtual void Play(const QByteArray& wave, bool bAsync) = 0;
};

// The player in use; the real one is created on the first call, never at start-up.
IWavePlayer& WavePlayer();

// Replaces the player (tests); nullptr goes back to the real one. Not owned.
void SetWavePlayer(IWavePlayer* pPlayer);
