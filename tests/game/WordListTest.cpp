#include "WordList.h"

#include <QRegularExpression>
#include <QResource>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace
{

constexpr int US_ENGLISH = 6;

} // namespace

// An index outside 0 to 10 must reach no neighbouring resource, name or code.
TEST(WordList, SlotIdsNamesAndCodes)
{
    EXPECT_EQ(DictionaryResourceId(0), 201);
    EXPECT_EQ(DictionaryResourceId(10), 211);
    for (int nDict : {-1, 11, 42}) {
        EXPECT_EQ(DictionaryResourceId(nDict), INVALID_DICTIONARY_ID) << nDict;
        EXPECT_TRUE(GetDictionaryName(nDict, false).isEmpty()) << nDict;
        EXPECT_TRUE(GetDictionaryName(nDict, true).isEmpty()) << nDict;
    }
    EXPECT_EQ(GetDictionaryName(2, false), QString::fromUtf8("Français"));
    EXPECT_EQ(GetDictionaryName(9, true), "SW");
}

// A slot without a list must leave the caller's buffer and array as they were.
TEST(WordList, SlotWithoutListChangesNothing)
{
    for (int nDict : {US_ENGLISH, -1}) {
        char szWord[4] = {'K', 'E', 'E', 'P'};
        EXPECT_FALSE(PickRandomWord(nDict, szWord));
        EXPECT_EQ(std::memcmp(szWord, "KEEP", 4), 0);
        QStringList arWords{"OLD"};
        EXPECT_EQ(LoadWordList(nDict, arWords), 0);
        EXPECT_EQ(arWords, QStringList{"OLD"});
    }
}

// A trailing partial word is not a word: nothing may be read past the end of a list.
TEST(WordList, TrailingBytesAreIgnored)
{
    ASSERT_TRUE(QResource::registerResource(FIVE_BYTE_LIST)); // "WORDX" as list 207
    QStringList arWords{"OLD", "OLDER"};
    EXPECT_EQ(LoadWordList(US_ENGLISH, arWords), 1);
    EXPECT_EQ(arWords, QStringList{"WORD"});
    char szWord[4] = {};
    EXPECT_TRUE(PickRandomWord(US_ENGLISH, szWord));
    EXPECT_EQ(std::memcmp(szWord, "WORD", 4), 0);
    QResource::unregisterResource(FIVE_BYTE_LIST);
}

// Every shipped list is packed whole: about the intended size, A to Z only, sorted, unique.
TEST(WordList, ShippedListsAreWellFormed)
{
    const int nExpected[DICTIONARY_COUNT] = {854, 1258, 200, 210, 106, 92, 0, 1079, 306, 1283, 461};
    const QRegularExpression word("^[A-Z]{4}$");
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        const int nCount = LoadWordList(nDict, arWords);
        EXPECT_EQ(nCount, arWords.size());
        EXPECT_GE(nCount, nExpected[nDict] * 3 / 4) << nDict;
        EXPECT_LE(nCount, nExpected[nDict] * 5 / 4) << nDict;
        for (const QString& strWord : arWords)
            EXPECT_TRUE(word.match(strWord).hasMatch()) << qPrintable(strWord);
        EXPECT_EQ(std::adjacent_find(arWords.begin(), arWords.end(), std::greater_equal<>()),
                  arWords.end())
            << nDict;
        if (nDict == 0) {
            EXPECT_EQ(nCount, 854);
            EXPECT_EQ(arWords.value(0), "ABET");
        }
    }
}
