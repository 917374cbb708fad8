#pragma once

// The small pseudo-random generator behind the secret word: values 0 to RAND_LIMIT,
// seeded once at start-up, and seeded by tests for a known sequence.
constexpr int RAND_LIMIT = 32767;

void SeedRandom(unsigned int nSeed);
int NextRandom();
