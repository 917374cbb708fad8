// The shipped word lists and their slots, as the game reads them.
#include "game/WordList.h"
#include "res/Resource.h"

#include <QResource>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

constexpr int US_ENGLISH = 6; // the slot that ships no word list

// Guards against a slot without a list touching the caller's word or list.
TEST(WordList, ASlotWithoutAListLeavesTheCallersDataAlone)
{
    for (int nDict : {US_ENGLISH, -1, DICTIONARY_COUNT}) {
        char szWord[4] = {'K', 'E', 'E', 'P'};
        QStringList arWords{"OLD"};
        EXPECT_FALSE(PickRandomWord(nDict, szWord)) << nDict;
        EXPECT_EQ(QString::fromLatin1(szWord, 4), "KEEP") << nDict;
        EXPECT_EQ(LoadWordList(nDict, arWords), 0) << nDict;
        EXPECT_EQ(arWords, QStringList{"OLD"}) << nDict;
    }
}

TEST(WordList, SlotsOutsideZeroToTenHaveNoIdNameOrCode)
{
    for (int nDict : {-1, DICTIONARY_COUNT}) {
        EXPECT_EQ(DictionaryResourceId(nDict), IDR_NO_DICTIONARY) << nDict;
        EXPECT_EQ(GetDictionaryName(nDict, false), "") << nDict;
        EXPECT_EQ(GetDictionaryName(nDict, true), "") << nDict;
    }
}

// Guards against reading past the end of a list that ends in a partial word.
TEST(WordList, ATrailingPartialWordIsNotPartOfTheList)
{
    ASSERT_TRUE(QResource::registerResource(FIVE_BYTE_LIST)); // "WORDX" for US English
    QStringList arWords{"OLD", "OLDER"};
    char szWord[4] = {};
    EXPECT_EQ(LoadWordList(US_ENGLISH, arWords), 1);
    EXPECT_EQ(arWords, QStringList{"WORD"});
    EXPECT_TRUE(PickRandomWord(US_ENGLISH, szWord));
    EXPECT_EQ(QString::fromLatin1(szWord, 4), "WORD");
    QResource::unregisterResource(FIVE_BYTE_LIST);
}

// Guards against a list missing from its slot, cut short, unsorted or with a word twice.
TEST(WordList, ShippedListsAreWellFormed)
{
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        const int nCount = LoadWordList(nDict, arWords);
        EXPECT_EQ(nCount, arWords.size()) << nDict;
        EXPECT_GE(nCount, nDict == US_ENGLISH ? 0 : 90) << nDict;
        const auto itOut = std::ranges::adjacent_find(arWords, std::greater_equal<>());
        EXPECT_TRUE(itOut == arWords.end())
            << nDict << ": " << itOut->toStdString() << " comes before " << itOut[1].toStdString();
    }
}
