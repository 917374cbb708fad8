#pragma once

#include <QString>
#include <QStringList>

// The eleven dictionary slots: 0 English, 1 Dutch, 2 French, 3 German, 4 Italian,
// 5 Spanish, 6 US English (no word list), 7 Esperanto, 8 Latin, 9 Swahili, 10 Irish.
constexpr int DICTIONARY_COUNT = 11;

// The order in which dictionaries are offered: by native name, US English left out.
constexpr int DICTIONARY_DISPLAY_ORDER[] = {3, 0, 5, 7, 2, 10, 4, 9, 8, 1};

// IDR_FIRST_DICTIONARY + nDict for a valid slot, else IDR_NO_DICTIONARY: the id of the
// slot's word list, flag icon, name and menu command.
quint16 DictionaryResourceId(int nDict);

// Copies a random word of the slot into szWord; false (szWord untouched) when the slot has no list.
bool PickRandomWord(int nDict, char szWord[4]);

// Replaces arWords by the slot's whole list and returns its size; 0 (arWords untouched) without a
// list.
int LoadWordList(int nDict, QStringList& arWords);

// The two-letter code or the native name; empty for an invalid slot.
QString GetDictionaryName(int nDict, bool bCode);
