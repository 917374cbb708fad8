#pragma once

#include <QString>

// The program's string table, in English. A missing id gives the empty string.
QString LoadResString(int nId);

// The English text of a string that each program language translates, as its catalogs know it
// in the context "StringTable"; nullptr for a string the same in every language, or a missing id.
const char* LocalizedSource(int nId);
