#include "GameRound.h"

#include "Random.h"
#include "TickClock.h"
#include "WordList.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace
{

using Pins = std::pair<int, int>;

std::uint32_t g_dwNow = 0;

class GameRound : public testing::Test
{
protected:
    void SetUp() override
    {
        SetTickSource([] { return g_dwNow; });
    }
    void TearDown() override { SetTickSource(nullptr); }

    // A running English game with a chosen word, started at the given tick.
    void Start(const char* pszWord, std::uint32_t dwStart)
    {
        g_dwNow = dwStart;
        m_game.m_nDict = 0;
        m_game.NewRound();
        m_game.SetWord(pszWord);
    }

    Pins Guess(const char* pszGuess)
    {
        std::int16_t nBlack = -1, nWhite = -1;
        m_game.Score(pszGuess, nBlack, nWhite);
        return {nBlack, nWhite};
    }

    CGameRound m_game;
};

} // namespace

// Each letter earns at most one pin, black before white; other lengths neither score nor count.
TEST_F(GameRound, ScoresBlackAndWhitePins)
{
    for (const auto& [pszWord, pszGuess, pins] :
         {std::tuple{"ABBA", "BBBB", Pins(2, 0)}, std::tuple{"AABB", "BBAA", Pins(0, 4)},
          std::tuple{"ABCD", "AAAA", Pins(1, 0)}, std::tuple{"ABCA", "AAXX", Pins(1, 1)},
          std::tuple{"DEAL", "LEAD", Pins(2, 2)}}) {
        Start(pszWord, 0);
        EXPECT_EQ(Guess(pszGuess), pins) << pszWord << " " << pszGuess;
        EXPECT_EQ(m_game.m_nGuesses, 1);
    }
    EXPECT_EQ(Guess("DEA"), Pins(0, 0));
    EXPECT_EQ(Guess("DEALS"), Pins(0, 0));
    EXPECT_EQ(m_game.m_nGuesses, 1);
    EXPECT_FALSE(m_game.m_bFinished);
}

// The clock must run on across a wrap of the 32-bit tick counter, and a won game must keep
// its time: neither growing while on show nor falling to 0:00 and topping the high scores.
TEST_F(GameRound, WinFreezesTheTimeAcrossTheTickWrap)
{
    Start("WORD", 0xFFFFFC18u); // 1000 ms before the wrap
    g_dwNow = 999;
    EXPECT_EQ(m_game.GetElapsedSeconds(), 1); // 1999 ms, truncated
    g_dwNow = 130072;
    EXPECT_EQ(Guess("WORD"), Pins(4, 0));
    EXPECT_TRUE(m_game.m_bFinished);
    g_dwNow += 60000;
    EXPECT_EQ(m_game.GetElapsedText(), "2:11");
}

// A game that never ran reports no word and no time, however late it is asked.
TEST_F(GameRound, GameWithoutWordIsFinishedWithoutTime)
{
    g_dwNow = 90000;
    EXPECT_EQ(m_game.GetElapsedText(), "0:00");
    for (int nDict : {6, -1}) {
        m_game.m_nDict = nDict;
        g_dwNow = 0xFFFFFFF0u;
        m_game.NewRound();
        g_dwNow = 70000;
        EXPECT_TRUE(m_game.m_bFinished);
        EXPECT_EQ(std::memcmp(m_game.m_szWord, "\0\0\0\0", 4), 0);
        EXPECT_EQ(m_game.GetElapsedText(), "0:00");
    }
}

// A new game takes word NextRandom() % N of the current dictionary.
TEST_F(GameRound, NewRoundPicksFromTheDictionary)
{
    QStringList arWords;
    SeedRandom(42);
    const int nPick = NextRandom() % LoadWordList(1, arWords);
    SeedRandom(42);
    m_game.m_nDict = 1;
    m_game.NewRound();
    EXPECT_EQ(m_game.GetWord(), arWords.value(nPick));
    EXPECT_FALSE(m_game.m_bFinished);
}

// Set Word and Cheat mark the game; only a text of four or more letters replaces the word,
// and the next game starts clean after a cheated win.
TEST_F(GameRound, SetWordRevealAndNewRound)
{
    Start("ab", 0);
    EXPECT_FALSE(m_game.m_bCheated);
    m_game.SetWord("abcdef");
    EXPECT_EQ(m_game.GetWord(), "ABCD");
    EXPECT_TRUE(m_game.m_bCheated);
    g_dwNow = 3000;
    Guess("ABCD");
    m_game.NewRound();
    EXPECT_FALSE(m_game.m_bCheated || m_game.m_bFinished);
    EXPECT_EQ(m_game.m_nGuesses, 0);
    EXPECT_EQ(m_game.m_dwEnd, 0u);
    EXPECT_EQ(m_game.RevealWord(), m_game.GetWord());
    EXPECT_TRUE(m_game.m_bCheated);
}

// Minutes are not capped at 59 and seconds keep two digits.
TEST(FormatTime, MinutesAndSeconds)
{
    for (const auto& [nSeconds, pszText] :
         {std::pair{0, "0:00"}, {59, "0:59"}, {60, "1:00"}, {75, "1:15"}, {6000, "100:00"}})
        EXPECT_EQ(FormatTime(nSeconds), pszText);
}
