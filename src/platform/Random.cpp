#include "platform/Random.h"

#include "platform/Privileges.h"

#include <QRandomGenerator>
#include <QString>

namespace
{
bool g_bSeeded = false;
unsigned int g_nState = 1;
} // namespace

void SeedRandom(unsigned int nSeed)
{
    g_bSeeded = true;
    g_nState = nSeed;
}

void SeedRandomForTests()
{
    bool bNumber = false;
    const unsigned int nSeed = qEnvironmentVariable("KELVARA_SEED").toUInt(&bNumber);
    if (bNumber && !StartedPrivileged())
        SeedRandom(nSeed);
}

int NextRandom()
{
    if (!g_bSeeded)
        return static_cast<int>(QRandomGenerator::system()->bounded(RAND_LIMIT + 1));
    // The classic linear congruential step, so that a seed gives the same words everywhere.
    g_nState = g_nState * 214013u + 2531011u;
    return static_cast<int>((g_nState >> 16) & RAND_LIMIT);
}
