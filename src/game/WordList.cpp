#include "game/WordList.h"

#include "platform/Random.h"
#include "platform/Resources.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <cstring>

namespace
{

constexpr int WORD_LENGTH = 4;

bool IsValidDictionary(int nDict)
{
    return nDict >= 0 && nDict < DICTIONARY_COUNT;
}

// The slot's list as packed words; empty when the slot has none. A trailing partial word
// is not part of the list.
QByteArray FindWordList(int nDict)
{
    const quint16 nId = DictionaryResourceId(nDict);
    if (nId == IDR_NO_DICTIONARY)
        return {};
    return FindResource(QStringLiteral("Dictionary"), nId);
}

int WordCount(const QByteArray& list)
{
    return static_cast<int>(list.size() / WORD_LENGTH);
}

} // namespace

quint16 DictionaryResourceId(int nDict)
{
    if (!IsValidDictionary(nDict))
        return IDR_NO_DICTIONARY;
    return static_cast<quint16>(IDR_FIRST_DICTIONARY + nDict);
}

bool PickRandomWord(int nDict, char szWord[4])
{
    const QByteArray list = FindWordList(nDict);
    const int nCount = WordCount(list);
    if (nCount < 1)
        return false;
    const int nWord = NextRandom() % nCount;
    std::memcpy(szWord, list.constData() + nWord * WORD_LENGTH, WORD_LENGTH);
    return true;
}

int LoadWordList(int nDict, QStringList& arWords)
{
    const QByteArray list = FindWordList(nDict);
    if (list.isEmpty())
        return 0;
    const int nCount = WordCount(list);
    arWords.clear();
    arWords.reserve(nCount);
    for (int i = 0; i < nCount; ++i)
        arWords.append(QString::fromLatin1(list.constData() + i * WORD_LENGTH, WORD_LENGTH));
    return nCount;
}

QString GetDictionaryName(int nDict, bool bCode)
{
    if (!IsValidDictionary(nDict))
        return {};
    return LoadResString((bCode ? IDS_FIRST_DICT_CODE : IDS_FIRST_DICT_NAME) + nDict);
}
