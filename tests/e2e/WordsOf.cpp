#include "game/WordList.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

// Prints dictionary DICT's words, a line each: what a player who studied the dictionary
// chooser knows. Usage: kelvara_words DICT
int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    QStringList arWords;
    if (LoadWordList(std::atoi(argv[1]), arWords) == 0)
        return 1;
    for (const QString& strWord : arWords)
        std::printf("%s\n", qPrintable(strWord));
    return 0;
}
