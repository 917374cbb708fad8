// The rules of one game (scoring, the pick, the clock), without a window.
#include "game/GameRound.h"

#include "game/WordList.h"
#include "platform/Random.h"
#include "platform/TickClock.h"

#include <gtest/gtest.h>

namespace
{

using Pins = std::pair<int, int>; // black, white

constexpr int DUTCH = 1;
constexpr int US_ENGLISH = 6; // a slot that ships no word list

std::uint32_t g_dwNow = 0; // the tick count the rounds read

// A round in Dutch on a clock that the test moves by hand.
struct GameRoundTest : testing::Test {
    GameRoundTest()
    {
        SetTickSource([] { return g_dwNow; });
        m_game.m_nDict = DUTCH;
    }
    Pins Score(const char* pszGuess)
    {
        std::int16_t nBlack = -1, nWhite = -1;
        m_game.Score(pszGuess, nBlack, nWhite);
        return {nBlack, nWhite};
    }
    CGameRound m_game;
};

} // namespace

// Guards against a letter paid twice, a white pin for a letter in place, or other lengths counted.
TEST_F(GameRoundTest, ScoresBlackAndWhitePinsForFourLetterGuessesOnly)
{
    m_game.NewRound();
    const std::tuple<const char*, const char*, Pins> cases[] = {
        {"ABBA", "BBBB", {2, 0}},  {"AABB", "BBAA", {0, 4}}, {"ABCD", "AAAA", {1, 0}},
        {"ABCA", "AAXX", {1, 1}},  {"DEAL", "LEAD", {2, 2}}, {"DEAL", "DEA", {0, 0}},
        {"DEAL", "DEALS", {0, 0}}, {"ABCD", "XAAX", {0, 1}}}; // the last: one A pays one pin
    for (const auto& [pszWord, pszGuess, pins] : cases) {
        m_game.SetWord(pszWord);
        EXPECT_EQ(Score(pszGuess), pins) << pszWord << " " << pszGuess;
    }
    EXPECT_EQ(m_game.m_nGuesses, 6);
    EXPECT_EQ(m_game.m_guesses.size(), 6u); // kept for the coach
    EXPECT_FALSE(m_game.m_bFinished);
}

// Guards against a word other than the NextRandom() % N-th, or a cheat, win or guesses kept.
TEST_F(GameRoundTest, NewRoundTakesTheGeneratorsWordAndStartsAfresh)
{
    QStringList arWords;
    SeedRandom(42);
    const int nPick = NextRandom() % LoadWordList(DUTCH, arWords);
    m_game.NewRound();
    m_game.SetWord("WORD");
    ASSERT_EQ(Score("WORD"), Pins(4, 0));
    m_game.m_nHints = 2;
    m_game.m_bHardMode = false;
    SeedRandom(42);
    m_game.NewRound();
    EXPECT_EQ(m_game.GetWord(), arWords.value(nPick));
    EXPECT_FALSE(m_game.m_bCheated);
    EXPECT_FALSE(m_game.m_bFinished);
    EXPECT_EQ(m_game.m_nGuesses, 0);
    EXPECT_TRUE(m_game.m_guesses.empty());
    EXPECT_EQ(m_game.m_nHints, 0);
    EXPECT_TRUE(m_game.m_bHardMode);
}

// Guards against a clock that goes wrong when the tick count wraps, or runs on after the win.
TEST_F(GameRoundTest, ClockCountsWholeSecondsAcrossTheTickWrapAndStopsAtTheWin)
{
    g_dwNow = 0xFFFFFC18u; // 1000 ms before the wrap
    m_game.NewRound();
    m_game.SetWord("WORD");
    g_dwNow = 999;
    EXPECT_EQ(m_game.GetElapsedSeconds(), 1); // 1999 ms
    g_dwNow = 130072;
    Score("WORD");
    g_dwNow += 60000;
    EXPECT_TRUE(m_game.m_bFinished);
    EXPECT_EQ(m_game.GetElapsedText(), "2:11");
    EXPECT_EQ(FormatTime(6000), "100:00"); // minutes go on past the hour
}

// Guards against a word kept from the last round, or a clock running, where there is no list.
TEST_F(GameRoundTest, WithoutAWordListNoGameRuns)
{
    for (int nDict : {US_ENGLISH, -1}) { // a slot without a list, and none assigned
        m_game.m_nDict = DUTCH;
        m_game.NewRound(); // with a word
        m_game.m_nDict = nDict;
        m_game.NewRound();
        g_dwNow += 70000;
        EXPECT_TRUE(m_game.m_bFinished) << nDict;
        EXPECT_EQ(QByteArray(m_game.m_szWord, 4), QByteArray(4, '\0')) << nDict;
        EXPECT_EQ(m_game.GetElapsedText(), "0:00") << nDict;
    }
}
