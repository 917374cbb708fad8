#include "game/WordList.h"
#include "platform/Random.h"

#include <cstdio>
#include <cstdlib>

// Prints the secret word of the first game that the program picks from dictionary DICT when
// it starts at the Unix time SEED, so that an end-to-end run can win that game the way a
// player who guessed well would. Usage: kelvara_first_word SEED DICT
int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    SeedRandom(static_cast<unsigned int>(std::strtoul(argv[1], nullptr, 10)));
    char szWord[4];
    if (!PickRandomWord(std::atoi(argv[2]), szWord))
        return 1;
    std::printf("%.4s\n", szWord);
    return 0;
}
