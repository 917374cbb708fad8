// Counting each player's games per dictionary, and records damaged by hand, without a window.
#include "store/PlayerStatistics.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;

const CRegKey ANNA_ENGLISH(HKEY_LOCAL_MACHINE, "Players\\Anna\\Statistics\\EN");

// Anna's English record after one win of 60 seconds in 4 guesses.
struct DamagedRecordTest : testing::TestWithParam<std::function<void()>> {
    DamagedRecordTest() { RecordWonGame("Anna", ENGLISH, 60, 4); }
    TempRegistry m_registry;
};

} // namespace

// A failed comparison shows the counts rather than the bytes.
static void PrintTo(const CStatistics& stats, std::ostream* pOut)
{
    *pOut << stats.m_nWon << " won, " << stats.m_nAbandoned << " abandoned";
}

// Guards against wrong runs, times or bars, and an all-dictionaries record that sums runs.
TEST(PlayerStatistics, CountsRunsTimesAndGuessesOverASequenceOfGames)
{
    TempRegistry reg;
    RecordWonGame("Anna", ENGLISH, 60, 4);
    RecordWonGame("Anna", DUTCH, 45, 1);
    RecordWonGame("Anna", ENGLISH, 31, 4);
    RecordAbandonedGame("Anna", ENGLISH);
    RecordWonGame("Anna", ENGLISH, 91, 20);
    RecordWonGame("Anna", DUTCH, 50, 2);

    const CStatistics english = ReadStatistics("Anna", ENGLISH);
    EXPECT_EQ(english.m_nWon, 3);
    EXPECT_EQ(english.m_nAbandoned, 1);
    EXPECT_EQ(english.m_anWonByBar[GuessBar(4)], 2);
    EXPECT_EQ(english.m_anWonByBar[GUESS_BARS - 1], 1);
    EXPECT_EQ(english.m_nBestSeconds, 31);
    EXPECT_EQ(english.AverageSeconds(), 61); // 182 / 3
    EXPECT_EQ(english.m_nRun, 1);
    EXPECT_EQ(english.m_nBestRun, 2);
    EXPECT_EQ(english.m_nLastBar, GUESS_BARS - 1);

    const CStatistics all = ReadStatistics("Anna", ALL_DICTIONARIES);
    EXPECT_EQ(all.m_nWon, 5);
    EXPECT_EQ(all.m_nAbandoned, 1);
    EXPECT_EQ(all.m_anWonByBar[GuessBar(4)], 2);
    EXPECT_EQ(all.m_anWonByBar[GuessBar(1)], 1);
    EXPECT_EQ(all.m_nBestSeconds, 31);
    EXPECT_EQ(all.m_nRun, 2);
    EXPECT_EQ(all.m_nBestRun, 3);
    EXPECT_EQ(all.m_nLastBar, GuessBar(2));
    EXPECT_EQ(ReadStatistics("Bert", ENGLISH), CStatistics());
}

// Guards against a record outliving its player, or a backslash writing into another's.
TEST(PlayerStatistics, GoesWithThePlayerItIsKeptUnder)
{
    TempRegistry reg;
    RecordWonGame(" Anna ", ENGLISH, 60, 4);
    EXPECT_EQ(ReadStatistics("ANNA", ENGLISH).m_nWon, 1);
    CPlayerSettings::DeletePlayer("Anna");
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 0);
    EXPECT_EQ(ReadStatistics("Anna", ALL_DICTIONARIES), CStatistics());

    EXPECT_FALSE(RecordAbandonedGame("Bo\\Statistics", ENGLISH));
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 0);
}

// A record edited by hand reads as empty and counts on from nothing, without a failure.
TEST_P(DamagedRecordTest, ReadsAsEmptyAndCountsAfresh)
{
    GetParam()();
    EXPECT_EQ(ReadStatistics("Anna", ENGLISH), CStatistics());
    EXPECT_TRUE(RecordAbandonedGame("Anna", ENGLISH));
    EXPECT_EQ(ReadStatistics("Anna", ENGLISH).m_nAbandoned, 1);
    EXPECT_EQ(ReadStatistics("Anna", ENGLISH).m_nWon, 0);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerStatistics, DamagedRecordTest,
    testing::Values([] { ANNA_ENGLISH.SetString("Won", "1"); },
                    [] { ANNA_ENGLISH.SetInt("Guesses04", 2); },   // more than were won
                    [] { ANNA_ENGLISH.SetInt("BestRun", 0); },     // below the current run
                    [] { ANNA_ENGLISH.SetInt("LastGuesses", 5); }, // a bar of no games
                    [] { ANNA_ENGLISH.SetInt("HardWon", 2); },     // more than were won
                    [] { ANNA_ENGLISH.SetInt("HardWon", -1); },
                    [] {
                        QStringList names;
                        ANNA_ENGLISH.EnumValues(&names);
                        ANNA_ENGLISH.DeleteAllValues();
                        ANNA_ENGLISH.SetInt(names.first(), 1);
                    }));
