// Any high score record that reads formats to itself; the fuzzer hunts for one that does not.
#include "FuzzTargets.h"

#include "store/HighScoreTable.h"

#include <QString>
#include <cstdlib>

int FuzzHighScoreRecord(const std::uint8_t* pData, std::size_t nSize)
{
    CHighScore record;
    if (!CHighScoreTable::ParseRecord(
            record,
            QString::fromUtf8(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize))))
        return 0;
    CHighScore reread;
    if (!CHighScoreTable::ParseRecord(reread, CHighScoreTable::FormatRecord(record)) ||
        !(reread == record))
        std::abort();
    return 0;
}
