#include "store/PlayerStatistics.h"

#include "game/WordList.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "store/RegLayout.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <numeric>

namespace
{

using namespace RegLayout;

// A hand-edited count may stand at the limit already; counting on must not overflow.
int Plus(int nCount, int nMore)
{
    return static_cast<int>(std::min<long long>(static_cast<long long>(nCount) + nMore, INT_MAX));
}

CRegKey StatisticsKey(const QString& strPlayer, int nDict)
{
    QString strPath =
        PLAYERS.subKey + QLatin1Char('\\') + strPlayer + QLatin1Char('\\') + STATISTICS;
    if (nDict != ALL_DICTIONARIES)
        strPath += QLatin1Char('\\') + GetDictionaryName(nDict, true);
    return CRegKey(PLAYERS.hRoot, strPath);
}

// A player and a dictionary, or all dictionaries, that a record may be kept for.
bool CanHaveRecord(const QString& strPlayer, int nDict)
{
    return CPlayerSettings::IsValidName(strPlayer) &&
           (nDict == ALL_DICTIONARIES || !GetDictionaryName(nDict, true).isEmpty());
}

// What a record must hold to be believed; anything else was not written by Kelvara.
bool IsConsistent(const CStatistics& stats)
{
    const int nMin = std::min(
        {stats.m_nWon, stats.m_nAbandoned, stats.m_nBestSeconds, stats.m_nTotalSeconds,
         stats.m_nRun, stats.m_nHardWon,
         *std::min_element(stats.m_anWonByBar.cbegin(), stats.m_anWonByBar.cend())});
    const long long nSum =
        std::accumulate(stats.m_anWonByBar.cbegin(), stats.m_anWonByBar.cend(), 0LL);
    const bool bLastBarFits = stats.m_nWon == 0
                                  ? stats.m_nLastBar == -1
                                  : stats.m_nLastBar >= 0 && stats.m_nLastBar < GUESS_BARS &&
                                        stats.m_anWonByBar[stats.m_nLastBar] > 0;
    return nMin >= 0 && nSum == stats.m_nWon && stats.m_nRun <= stats.m_nBestRun &&
           stats.m_nBestRun <= stats.m_nWon && stats.m_nHardWon <= stats.m_nWon && bLastBarFits;
}

// Every value is written each time, so a record lacking one is as damaged as a wrong one; only
// the hard mode wins are missing from a record kept before there was hard mode.
CStatistics ReadRecord(const CRegKey& key)
{
    CStatistics stats;
    key.GetInt(STATS_HARD_WON, stats.m_nHardWon);
    int nLastGuesses = 0;
    bool bRead =
        key.GetInt(STATS_WON, stats.m_nWon) && key.GetInt(STATS_ABANDONED, stats.m_nAbandoned) &&
        key.GetInt(STATS_BEST_TIME, stats.m_nBestSeconds) &&
        key.GetInt(STATS_TOTAL_TIME, stats.m_nTotalSeconds) &&
        key.GetInt(STATS_RUN, stats.m_nRun) && key.GetInt(STATS_BEST_RUN, stats.m_nBestRun) &&
        key.GetInt(STATS_LAST_GUESSES, nLastGuesses);
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar)
        bRead = bRead && key.GetInt(GuessCountValueName(nBar), stats.m_anWonByBar[nBar]);
    stats.m_nLastBar = nLastGuesses - 1;
    return bRead && IsConsistent(stats) ? stats : CStatistics();
}

void WriteRecord(const CRegKey& key, const CStatistics& stats)
{
    key.SetInt(STATS_WON, stats.m_nWon);
    key.SetInt(STATS_ABANDONED, stats.m_nAbandoned);
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar)
        key.SetInt(GuessCountValueName(nBar), stats.m_anWonByBar[nBar]);
    key.SetInt(STATS_BEST_TIME, stats.m_nBestSeconds);
    key.SetInt(STATS_TOTAL_TIME, stats.m_nTotalSeconds);
    key.SetInt(STATS_RUN, stats.m_nRun);
    key.SetInt(STATS_BEST_RUN, stats.m_nBestRun);
    key.SetInt(STATS_LAST_GUESSES, stats.m_nLastBar + 1);
    key.SetInt(STATS_HARD_WON, stats.m_nHardWon);
}

// The record over all dictionaries is kept beside the others rather than summed from them: a
// run of wins and the last win cross dictionaries, in the order the games were played.
bool Record(const QString& strPlayer, int nDict, const std::function<void(CStatistics&)>& fnCount)
{
    if (nDict == ALL_DICTIONARIES || !CanHaveRecord(strPlayer, nDict))
        return false;
    const QString strName = CPlayerSettings::TrimmedName(strPlayer);
    return CRegKey::Transact(PLAYERS.hRoot, [strName, nDict, fnCount] {
        for (const int nRecord : {ALL_DICTIONARIES, nDict}) {
            const CRegKey key = StatisticsKey(strName, nRecord);
            CStatistics stats = ReadRecord(key);
            fnCount(stats);
            WriteRecord(key, stats);
        }
    });
}

} // namespace

int CStatistics::AverageSeconds() const
{
    return m_nWon > 0
               ? static_cast<int>((static_cast<long long>(m_nTotalSeconds) + m_nWon / 2) / m_nWon)
               : 0;
}

int GuessBar(int nGuesses)
{
    return std::clamp(nGuesses, 1, GUESS_BARS) - 1;
}

CStatistics ReadStatistics(const QString& strPlayer, int nDict)
{
    if (!CanHaveRecord(strPlayer, nDict))
        return CStatistics();
    const CRegKey key = StatisticsKey(CPlayerSettings::TrimmedName(strPlayer), nDict);
    return key.EnumValues() > 0 ? ReadRecord(key) : CStatistics();
}

bool RecordWonGame(const QString& strPlayer, int nDict, int nSeconds, int nGuesses, bool bHard)
{
    return Record(strPlayer, nDict,
                  [nSeconds = std::max(nSeconds, 0), nGuesses, bHard](CStatistics& stats) {
                      const int nBar = GuessBar(nGuesses);
                      stats.m_nBestSeconds =
                          stats.m_nWon > 0 ? std::min(stats.m_nBestSeconds, nSeconds) : nSeconds;
                      stats.m_nWon = Plus(stats.m_nWon, 1);
                      stats.m_anWonByBar[nBar] = Plus(stats.m_anWonByBar[nBar], 1);
                      stats.m_nTotalSeconds = Plus(stats.m_nTotalSeconds, nSeconds);
                      stats.m_nRun = Plus(stats.m_nRun, 1);
                      stats.m_nBestRun = std::max(stats.m_nBestRun, stats.m_nRun);
                      stats.m_nLastBar = nBar;
                      stats.m_nHardWon = Plus(stats.m_nHardWon, bHard ? 1 : 0);
                  });
}

bool RecordAbandonedGame(const QString& strPlayer, int nDict)
{
    return Record(strPlayer, nDict, [](CStatistics& stats) {
        stats.m_nAbandoned = Plus(stats.m_nAbandoned, 1);
        stats.m_nRun = 0;
    });
}
