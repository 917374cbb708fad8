#pragma once

#include "store/RegKey.h"

#include <QLatin1String>
#include <QString>

// Every key and value Kelvara keeps in the store, each declared here once with the default
// that stands while it is missing. Keys are below Software\Torvane\Kelvara.
template <typename T> struct CRegSetting {
    QLatin1String name;
    T defValue;
};

struct CRegLocation {
    HKEY hRoot;
    QLatin1String subKey;
};

namespace RegLayout
{

// Program settings, per user.
constexpr CRegLocation SETTINGS{HKEY_CURRENT_USER, QLatin1String("Settings")};
constexpr CRegSetting<bool> AUTO_START{QLatin1String("AutoStart"), true};
constexpr CRegSetting<int> PROG_LANG{QLatin1String("ProgLang"), -1};
constexpr CRegSetting<QLatin1String> LAST_PLAYER{QLatin1String("LastPlayer"), QLatin1String("")};

// The installation, per machine: written at exit, never read.
constexpr CRegLocation PROGRAM{HKEY_LOCAL_MACHINE, QLatin1String("")};
constexpr QLatin1String FOLDER("folder");
constexpr QLatin1String VERSION("version");

// One key per player below PLAYERS, named by the player; per machine.
constexpr CRegLocation PLAYERS{HKEY_LOCAL_MACHINE, QLatin1String("Players")};
constexpr QLatin1String PLAYER_DICT("Dict"); // default: the program language
constexpr CRegSetting<bool> PLAYER_SOUND{QLatin1String("Sound"), true};
constexpr CRegSetting<bool> PLAYER_LOWER{QLatin1String("Lower"), false};
constexpr CRegSetting<bool> PLAYER_HARD{QLatin1String("Hard"), false};

// Each player's record of finished games: the values below on STATISTICS under the player's
// key, over all dictionaries, and again on a subkey of it per dictionary, named by its code.
constexpr QLatin1String STATISTICS("Statistics");
constexpr QLatin1String STATS_WON("Won");
constexpr QLatin1String STATS_ABANDONED("Abandoned");
constexpr QLatin1String STATS_BEST_TIME("BestTime");   // seconds
constexpr QLatin1String STATS_TOTAL_TIME("TotalTime"); // seconds of all won games
constexpr QLatin1String STATS_RUN("Run");
constexpr QLatin1String STATS_BEST_RUN("BestRun");
constexpr QLatin1String STATS_LAST_GUESSES("LastGuesses"); // bar of the last win, 1-based; 0 none
constexpr QLatin1String STATS_HARD_WON("HardWon");         // a record kept before has none

// Won games by guesses: Guesses01 to Guesses15, and Guesses16 for 16 or more.
inline QString GuessCountValueName(int nBar)
{
    return QStringLiteral("Guesses%1").arg(nBar + 1, 2, 10, QLatin1Char('0'));
}

// The high score table, per machine: H01 to H10, one record each.
constexpr CRegLocation HIGH_SCORES{HKEY_LOCAL_MACHINE, QLatin1String("HiScores")};

inline QString HighScoreValueName(int nPlace)
{
    return QStringLiteral("H%1").arg(nPlace, 2, 10, QLatin1Char('0'));
}

} // namespace RegLayout
