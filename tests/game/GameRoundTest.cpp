#include "game/GameRound.h"

#include "game/WordList.h"
#include "platform/Random.h"
#include "platform/TickClock.h"

#include <gtest/gtest.h>

using Pins = std::pair<int, int>;

static std::uint32_t g_dwNow = 0; // the tick count, for tests that make it the clock

static Pins Guess(CGameRound& game, const char* pszGuess)
{
    std::int16_t nBlack = -1, nWhite = -1;
    game.Score(pszGuess, nBlack, nWhite);
    return {nBlack, nWhite};
}

// Guards against a letter paid twice or white before black, and other lengths scoring or counting.
TEST(GameRound, ScoresBlackAndWhitePins)
{
    CGameRound game;
    game.m_bFinished = false; // as in a running game
    const std::tuple<const char*, const char*, Pins> cases[] = {
        {"ABBA", "BBBB", {2, 0}}, {"AABB", "BBAA", {0, 4}}, {"ABCD", "AAAA", {1, 0}},
        {"ABCA", "AAXX", {1, 1}}, {"DEAL", "LEAD", {2, 2}}, {"DEAL", "DEA", {0, 0}},
        {"DEAL", "DEALS", {0, 0}}};
    for (const auto& [pszWord, pszGuess, pins] : cases) {
        game.SetWord(pszWord);
        EXPECT_EQ(Guess(game, pszGuess), pins) << pszWord << " " << pszGuess;
    }
    EXPECT_TRUE(game.m_nGuesses == 5 && !game.m_bFinished);
}

// Guards against a word other than NextRandom() % N, a clock that fails at the tick wrap or after
// a win, unmarked cheats, a round not reset, and a word or clock without a list.
TEST(GameRound, NewRoundPicksAndTimesHonestly)
{
    SetTickSource([] { return g_dwNow; });
    CGameRound game;
    QStringList arWords;
    SeedRandom(42);
    const int nPick = NextRandom() % LoadWordList(1, arWords);
    SeedRandom(42);
    g_dwNow = 0xFFFFFC18u; // 1000 ms before the wrap
    game.m_nDict = 1;
    game.NewRound();
    game.SetWord("ab"); // too short: ignored
    EXPECT_TRUE(game.GetWord() == arWords.value(nPick) && !game.m_bFinished && !game.m_bCheated);
    game.SetWord("word!");
    EXPECT_TRUE(game.GetWord() == "WORD" && game.m_bCheated);
    g_dwNow = 999;
    EXPECT_EQ(game.GetElapsedSeconds(), 1); // 1999 ms, truncated
    g_dwNow = 130072;
    EXPECT_EQ(Guess(game, "WORD"), Pins(4, 0));
    g_dwNow += 60000;
    EXPECT_TRUE(game.m_bFinished && game.GetElapsedText() == "2:11");
    EXPECT_EQ(FormatTime(6000), "100:00");
    game.NewRound();
    EXPECT_FALSE(game.m_bCheated || game.m_bFinished || game.m_nGuesses || game.m_dwEnd);
    EXPECT_TRUE(game.RevealWord() == game.GetWord() && game.m_bCheated);
    for (int nDict : {6, -1}) { // a slot without a list, and none assigned
        game.m_nDict = nDict;
        game.NewRound();
        g_dwNow += 70000;
        EXPECT_TRUE(game.m_bFinished && QByteArray(game.m_szWord, 4) == QByteArray(4, '\0') &&
                    game.GetElapsedText() == "0:00")
            << nDict;
    }
}
