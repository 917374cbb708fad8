#include "game/WordList.h"
#include "res/Resource.h"

#include <QResource>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

constexpr int US_ENGLISH = 6;

// Guards against a slot without a list touching the caller's data, 0 to 10 overstepped, and
// reading past the end of a list that ends in a partial word.
TEST(WordList, SlotsWithoutListChangeNothingAndPartialWordsAreIgnored)
{
    for (int nDict : {US_ENGLISH, -1, 11}) {
        char szWord[4] = {'K', 'E', 'E', 'P'};
        QStringList arWords{"OLD"};
        EXPECT_TRUE(!PickRandomWord(nDict, szWord) && QByteArray(szWord, 4) == "KEEP" &&
                    LoadWordList(nDict, arWords) == 0 && arWords == QStringList{"OLD"})
            << nDict;
        EXPECT_TRUE(nDict == US_ENGLISH ||
                    (DictionaryResourceId(nDict) == IDR_NO_DICTIONARY &&
                     (GetDictionaryName(nDict, false) + GetDictionaryName(nDict, true)).isEmpty()))
            << nDict;
    }
    ASSERT_TRUE(QResource::registerResource(FIVE_BYTE_LIST)); // "WORDX" as list 207
    QStringList arWords{"OLD", "OLDER"};
    char szWord[4] = {};
    EXPECT_TRUE(LoadWordList(US_ENGLISH, arWords) == 1 && arWords == QStringList{"WORD"} &&
                PickRandomWord(US_ENGLISH, szWord) && QByteArray(szWord, 4) == "WORD");
    QResource::unregisterResource(FIVE_BYTE_LIST);
}

// Guards against a list in the wrong slot, cut short, unsorted or with a word twice.
TEST(WordList, ShippedListsAreWellFormed)
{
    const int nExpected[DICTIONARY_COUNT] = {854, 1258, 200, 210, 106, 92, 0, 1079, 306, 1283, 461};
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        const int nCount = LoadWordList(nDict, arWords);
        EXPECT_TRUE(nCount == arWords.size() &&
                    std::abs(nCount - nExpected[nDict]) * 4 <= nExpected[nDict] &&
                    std::ranges::adjacent_find(arWords, std::greater_equal<>()) == arWords.end())
            << nDict << ": " << nCount << " words, or unsorted";
    }
}
