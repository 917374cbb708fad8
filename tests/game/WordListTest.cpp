#include "WordList.h"

#include <QResource>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

constexpr int US_ENGLISH = 6;

// Guards against a slot without a list touching the caller's data, or 0 to 10 overstepped.
TEST(WordList, SlotsWithoutListChangeNothing)
{
    for (int nDict : {US_ENGLISH, -1, 11}) {
        char szWord[4] = {'K', 'E', 'E', 'P'};
        QStringList arWords{"OLD"};
        EXPECT_TRUE(!PickRandomWord(nDict, szWord) && std::memcmp(szWord, "KEEP", 4) == 0) << nDict;
        EXPECT_TRUE(LoadWordList(nDict, arWords) == 0 && arWords == QStringList{"OLD"}) << nDict;
    }
    for (int nDict : {-1, 11})
        EXPECT_TRUE(DictionaryResourceId(nDict) == INVALID_DICTIONARY_ID &&
                    GetDictionaryName(nDict, false).isEmpty() &&
                    GetDictionaryName(nDict, true).isEmpty())
            << nDict;
}

// Guards against reading past the end of a list that ends in a partial word.
TEST(WordList, TrailingBytesAreIgnored)
{
    ASSERT_TRUE(QResource::registerResource(FIVE_BYTE_LIST)); // "WORDX" as list 207
    QStringList arWords{"OLD", "OLDER"};
    EXPECT_TRUE(LoadWordList(US_ENGLISH, arWords) == 1 && arWords == QStringList{"WORD"});
    char szWord[4] = {};
    EXPECT_TRUE(PickRandomWord(US_ENGLISH, szWord) && std::memcmp(szWord, "WORD", 4) == 0);
    QResource::unregisterResource(FIVE_BYTE_LIST);
}

// Guards against a list in the wrong slot, cut short, unsorted or with a word twice.
TEST(WordList, ShippedListsAreWellFormed)
{
    const int nExpected[DICTIONARY_COUNT] = {854, 1258, 200, 210, 106, 92, 0, 1079, 306, 1283, 461};
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        const int nCount = LoadWordList(nDict, arWords);
        EXPECT_TRUE(nCount == arWords.size() && nCount >= nExpected[nDict] * 3 / 4 &&
                    nCount <= nExpected[nDict] * 5 / 4 &&
                    std::adjacent_find(arWords.begin(), arWords.end(), std::greater_equal<>()) ==
                        arWords.end())
            << nDict << ": " << nCount << " words, or unsorted";
    }
}
