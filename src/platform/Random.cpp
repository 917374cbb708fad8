#include "platform/Random.h"

namespace
{
unsigned int g_nState = 1;
}

void SeedRandom(unsigned int nSeed)
{
    g_nState = nSeed;
}

int NextRandom()
{
    // The classic linear congruential step, so that a seed gives the same words everywhere.
    g_nState = g_nState * 214013u + 2531011u;
    return static_cast<int>((g_nState >> 16) & RAND_LIMIT);
}
