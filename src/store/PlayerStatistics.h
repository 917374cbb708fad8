#pragma once

#include <QString>
#include <array>

// Bars of the guess distribution: 1 to 15 guesses, and one for 16 or more.
constexpr int GUESS_BARS = 16;
// The dictionary index that stands for all dictionaries together.
constexpr int ALL_DICTIONARIES = -1;

// One player's record of finished games with one dictionary, or with all of them. Games won
// after Cheat or with Set Word are not in it.
struct CStatistics {
    int m_nWon = 0;
    int m_nAbandoned = 0;
    std::array<int, GUESS_BARS> m_anWonByBar{};
    int m_nBestSeconds = 0;  // of a won game; 0 before the first
    int m_nTotalSeconds = 0; // of all won games
    int m_nRun = 0;          // games won in a row, up to the last game
    int m_nBestRun = 0;
    int m_nLastBar = -1; // the bar of the last won game; -1 before the first
    int m_nHardWon = 0;  // games won in hard mode

    int AverageSeconds() const; // rounded; 0 before the first win
    bool operator==(const CStatistics&) const = default;
};

// The bar that a game won with nGuesses guesses counts in.
int GuessBar(int nGuesses);

// The record as the store holds it now; an empty one when there is none or it cannot be read
// (a hand-edited or damaged record). nDict may be ALL_DICTIONARIES.
CStatistics ReadStatistics(const QString& strPlayer, int nDict);

// Count a game that ended, on the record as stored at that moment, so that running copies of
// the program all count theirs. Nothing is counted for a name that breaks the name rule or a
// dictionary that does not exist. False when the store could not be written: the store then
// counts the game with its next write.
bool RecordWonGame(const QString& strPlayer, int nDict, int nSeconds, int nGuesses,
                   bool bHard = false);
bool RecordAbandonedGame(const QString& strPlayer, int nDict);
