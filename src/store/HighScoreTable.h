#pragma once

#include <QList>
#include <QString>
#include <cstdint>

class CGameRound;
class CPlayerSettings;

constexpr int MAX_HIGH_SCORES = 10;

// What AddWonGame returns besides a place from 1 to MAX_HIGH_SCORES.
constexpr std::int16_t HIGH_SCORE_NOT_ENTERED = 0;
// The game would have entered, but the store could not be written (a full disk, a folder that
// cannot be written, the lock not to be had). The table shows it nonetheless, and the store
// writes it with its next change, ranked into the table as stored then; so it must not be
// announced as a stored place.
constexpr std::int16_t HIGH_SCORE_NOT_STORED = -1;

struct CHighScore {
    QString m_strName;
    std::int32_t m_nSeconds = 0;
    std::int16_t m_nGuesses = 0;
    std::int32_t m_nDict = 0;
    QString m_strWord;

    bool operator==(const CHighScore&) const = default;
};

// The ten fastest won games of all players, as the store holds them: several running copies
// share one table. Every change is made at once on the table as stored at that moment, so
// nothing waits for the destructor.
class CHighScoreTable
{
public:
    CHighScoreTable();
    CHighScoreTable(const CHighScoreTable&) = delete;
    CHighScoreTable& operator=(const CHighScoreTable&) = delete;

    // Reads the stored table afresh. GetAt answers from what the last GetCount, ClearAll or
    // AddWonGame read; its records stay valid until the next of those calls.
    std::int16_t GetCount();
    const CHighScore* GetAt(std::int16_t nIndex) const; // nullptr outside the table
    // False when the store could not be written; the table then shows itself cleared.
    bool ClearAll();
    // The 1-based place the game took in the stored table, HIGH_SCORE_NOT_ENTERED when it was
    // not good enough or the player's name breaks the name rule, or HIGH_SCORE_NOT_STORED.
    std::int16_t AddWonGame(const CGameRound& game, const CPlayerSettings& player);

    static QString FormatRecord(const CHighScore& record);
    static bool ParseRecord(CHighScore& record, const QString& strText);

private:
    QList<CHighScore> m_scores;
};
