#include "game/WordList.h"
#include "platform/Random.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

// Prints dictionary DICT's words, a line each: what a player who studied the dictionary
// chooser knows. Given SEED, prints only the secret word of the first game the program picks
// from DICT when started with KELVARA_SEED=SEED, so that a run can win it with one guess.
// Usage: kelvara_words DICT [SEED]
int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 3)
        return 2;
    const int nDict = std::atoi(argv[1]);
    if (argc == 3) {
        SeedRandom(static_cast<unsigned int>(std::strtoul(argv[2], nullptr, 10)));
        char szWord[4];
        if (!PickRandomWord(nDict, szWord))
            return 1;
        std::printf("%.4s\n", szWord);
        return 0;
    }
    QStringList arWords;
    if (LoadWordList(nDict, arWords) == 0)
        return 1;
    for (const QString& strWord : arWords)
        std::printf("%s\n", qPrintable(strWord));
    return 0;
}
