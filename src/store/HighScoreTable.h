#pragma once

#include <QList>
#include <QString>
#include <cstdint>

class CGameRound;
class CPlayerSettings;

constexpr int MAX_HIGH_SCORES = 10;

struct CHighScore {
    QString m_strName;
    std::int32_t m_nSeconds = 0;
    std::int16_t m_nGuesses = 0;
    std::int32_t m_nDict = 0;
    QString m_strWord;
};

// The ten fastest won games of all players. Loads itself when created and saves
// itself, if it changed, when destroyed.
class CHighScoreTable
{
public:
    CHighScoreTable();
    ~CHighScoreTable();
    CHighScoreTable(const CHighScoreTable&) = delete;
    CHighScoreTable& operator=(const CHighScoreTable&) = delete;

    std::int16_t GetCount() const;
    const CHighScore* GetAt(std::int16_t nIndex) const; // nullptr outside the table
    void ClearAll();
    // The 1-based place the game took, or 0 when it did not enter.
    std::int16_t AddWonGame(const CGameRound& game, const CPlayerSettings& player);

    static QString FormatRecord(const CHighScore& record);
    static bool ParseRecord(CHighScore& record, const QString& strText);

private:
    void Save() const;

    QList<CHighScore> m_scores;
    bool m_bModified = false;
};
